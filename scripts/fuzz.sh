#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer and
# runs each for a bounded time (FUZZ_SECONDS, default 60), seeded with the sample world's files.
# Needs the normal build first (./scripts/setup.sh) for the sample world in build/use.
# A crash stops the script with a non-zero status and leaves the input in build-fuzz/crashes.
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
fi

WORLD="$(pwd)/build/use"
[ -f "$WORLD/MapEv_F" ] || { echo "build/use is missing: run ./scripts/setup.sh first"; exit 1; }
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd .. && pwd)}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DHOSHIKAGE_FUZZ=ON \
    -DHOSHIKAGE_TESTS=OFF -DHOSHIKAGE_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz

SECONDS_EACH="${FUZZ_SECONDS:-60}"
export HOSHIKAGE_FUZZ_WORLD="$WORLD"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build-fuzz/crashes

run() {  # target, seed files...
    local target="$1"; shift
    local corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    cp -n "$@" "$corpus"/ 2>/dev/null || true
    echo "=== $target for ${SECONDS_EACH}s ==="
    "build-fuzz/fuzz/$target" -max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=4096 \
        -artifact_prefix=build-fuzz/crashes/"$target"- -print_final_stats=1 "$corpus"
}

tables=("$WORLD"/*_F "$WORLD"/*_DataFile* "$WORLD"/Ca_TF "$WORLD"/s_f)
run fuzz_valuestream "${tables[@]}"
run fuzz_mapfile "$WORLD"/*.map
run fuzz_datacheck "${tables[@]}"
saves=(tests/data/saves/*)
run fuzz_savefile "${saves[@]}"
for t in build-fuzz/fuzz/fuzz_*; do
    [ -f "$t" ] && [ -x "$t" ] || continue
    name="$(basename "$t")"
    case "$name" in fuzz_valuestream|fuzz_mapfile|fuzz_datacheck|fuzz_savefile) ;;
        *) run "$name" "$WORLD"/*_F ;;
    esac
done
echo "No crash found."
