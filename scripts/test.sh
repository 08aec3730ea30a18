#!/usr/bin/env bash
# Installs, builds and runs every test. Extra arguments go to CMake (for example
# -DHOSHIKAGE_SANITIZE=ON with BUILD_DIR=build-asan).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh "$@"
BUILD_DIR="${BUILD_DIR:-build}"
export QT_QPA_PLATFORM=offscreen
# Qt and the font libraries keep some memory until the process ends; only real errors count.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
