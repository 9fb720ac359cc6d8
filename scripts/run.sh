#!/usr/bin/env bash
# Builds Zandorex and starts the console on its built-in simulated pendant.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target zandorex
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting on a virtual one (xvfb-run)." >&2
    exec xvfb-run -a -s "-screen 0 1280x800x24" build/src/app/zandorex --simulated-pendant "$@"
fi
exec build/src/app/zandorex --simulated-pendant "$@"
