#!/usr/bin/env bash
# Installs, builds and starts the game with the bundled sample world. Extra arguments go to the
# game (try --help).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
BUILD_DIR="${BUILD_DIR:-build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the game on a virtual one (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD_DIR/hoshikage" "$@"
fi
exec "$BUILD_DIR/hoshikage" "$@"
