#!/usr/bin/env bash
# Builds the Debian package zandorex_<version>_<arch>.deb in build-package/ and checks it with lintian.
# Install it with: sudo apt-get install ./build-package/zandorex_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh dpkg-dev file lintian

# Debian's hardening flags (stack protector, fortified functions, full RELRO with immediate binding).
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now" >/dev/null
cmake --build build-package -j "$(nproc)" --target zandorex zandorex-pendant zandorex_compressed_docs
(cd build-package && cpack -G DEB)
package=$(ls build-package/zandorex_*.deb)
echo "== $package =="
dpkg-deb --info "$package"
echo "== lintian =="
lintian --info "$package" || true
