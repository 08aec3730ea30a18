#!/usr/bin/env bash
# Installs what the game needs from Debian's packages (only what is missing), then configures
# and builds it. Extra arguments go to CMake. BUILD_DIR chooses the build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-qpa-plugins
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-ipafont-gothic
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    zlib1g-dev tiled strace
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

BUILD_DIR="${BUILD_DIR:-build}"
# Builds in sibling folders (several working copies) share one compiler cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd .. && pwd)}"
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
cmake -S . -B "$BUILD_DIR" -G Ninja "$@"
cmake --build "$BUILD_DIR"
