#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (fuzz/*.cpp) with clang, the program's core
# instrumented too, and runs each for the given number of seconds (60 by
# default), printing for each its inputs per second and its coverage. The
# targets read in memory; the first byte of an input chooses among the
# ways a target reads (fuzz/FuzzSupport.h), so each target's seeds are
# given that byte. Without clang it says so and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cxx="${FUZZ_CXX:-clang++}"
if ! command -v "$cxx" >/dev/null; then
    echo "fuzz.sh: $cxx is not installed; fuzzing skipped"
    exit 0
fi

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCONTALANDIA_FUZZ=ON -DCONTALANDIA_TESTS=OFF -DCONTALANDIA_BENCH=OFF >/dev/null
targets=()
for src in fuzz/*.cpp; do
    targets+=("$(basename "$src" .cpp)")
done
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

seeds="$(mktemp -d)"
trap 'rm -rf "$seeds"' EXIT
# Each seed file given a first byte: "$1" is the byte (octal), then files.
seed() {
    local dir="$1" byte="$2"; shift 2
    mkdir -p "$dir"
    for f in "$@"; do
        { printf "\\$byte"; cat "$f"; } > "$dir/$byte-$(basename "$f")"
    done
}
text_seed() {
    local dir="$1" name="$2" content="$3"
    mkdir -p "$dir"
    printf "$content" > "$dir/$name"
}
for target in ini_read_fuzz ini_write_fuzz lang_sections_fuzz; do
    seed "$seeds/$target" 000 data/*.lng data/LangSetting.ini
    seed "$seeds/$target" 001 data/Italiano.lng data/LangSetting.ini
done
text_seed "$seeds/text_fuzz" it '\025\000\001VENTUNO'
text_seed "$seeds/text_fuzz" en '\025\000\002 TWENTY-ONE '
text_seed "$seeds/text_fuzz" number '\025\000\003 3 52,5e1'
text_seed "$seeds/results_fuzz" address '\000[Results]\nDatabase=postgresql://teacher@server.school.lan:5432/classe3a\n'
text_seed "$seeds/results_fuzz" csv '\001=HYPERLINK("x")\037 5 + 10 = \03715\036Zo\303\253\037a, "b"\037two\nlines'

for target in "${targets[@]}"; do
    corpus="$(mktemp -d)"
    log="build-fuzz/$target.log"
    echo "fuzz.sh: $target for ${seconds}s (log: $log)"
    status=0
    QT_QPA_PLATFORM=offscreen "build-fuzz/$target" -max_total_time="$seconds" -max_len=8192 -timeout=20 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/$target-" "$corpus" "$seeds/$target" >"$log" 2>&1 || status=$?
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        cat "$log"
        echo "fuzz.sh: $target found a fault (status $status)"
        exit "$status"
    fi
    # The last line of the run: inputs, coverage (edges), inputs per second.
    done_line="$(grep -E "DONE" "$log" | tail -1)"
    runs="$(grep -E "stat::number_of_executed_units" "$log" | awk '{print $2}')"
    echo "fuzz.sh: $target: ${runs:-?} inputs, $((${runs:-0} / seconds)) per second; $done_line"
done
