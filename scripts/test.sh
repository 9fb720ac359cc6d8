#!/usr/bin/env bash
# Builds Zandorex and runs every test, then builds and runs them again under AddressSanitizer and
# UndefinedBehaviorSanitizer. Pass --quick to skip the sanitizer pass.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc)
run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")
}

echo "== Build and test =="
run_suite build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "${1:-}" != "--quick" ]; then
    echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer =="
    run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZANDOREX_SANITIZE=ON
fi
