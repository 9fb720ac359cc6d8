#!/usr/bin/env bash
# Installs the Debian packages Zandorex needs to build, test and run, where they are missing.
# Arguments name further packages a caller needs (scripts/package.sh adds the packaging tools).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-declarative-dev libgl-dev qt6-qpa-plugins
    fonts-noto-cjk             # the Japanese captions
    xvfb xauth                 # a display for machines without one
    socat                      # serial-line pairs for the link tests
    libpcap-dev                # writing captures of the wire traffic
    tshark                     # the dissector's tests read those captures
    desktop-file-utils appstream man-db   # the installed tree's check: desktop entries, metainfo, manuals
    python3 python3-pytest python3-pytest-xdist   # the Python package, its pytest plugin and their tests
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo_cmd=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    # Wireshark's one question: whether ordinary users may capture. No; tshark only reads files here.
    echo "wireshark-common wireshark-common/install-setuid boolean false" | "${sudo_cmd[@]}" debconf-set-selections
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
