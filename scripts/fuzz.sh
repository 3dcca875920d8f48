#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang, the program's core instrumented too,
# and runs each for the given number of seconds (60 by default). The seeds
# are the shipped language files and one of them grown past 64 000 bytes,
# so the inputs reach both ways the reader takes. Without clang it says so
# and does nothing.
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
cp data/*.lng data/LangSetting.ini "$seeds"/
# Above the section reader's limit: the line scan.
for _ in 1 2 3 4 5 6 7 8; do cat data/Italiano.lng; done > "$seeds/large.lng"

for target in "${targets[@]}"; do
    corpus="$(mktemp -d)"
    log="build-fuzz/$target.log"
    echo "fuzz.sh: $target for ${seconds}s (log: $log)"
    status=0
    QT_QPA_PLATFORM=offscreen "build-fuzz/$target" -max_total_time="$seconds" -max_len=100000 -timeout=20 \
        "$corpus" "$seeds" >"$log" 2>&1 || status=$?
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        cat "$log"
        echo "fuzz.sh: $target found a fault (status $status)"
        exit "$status"
    fi
    grep -E "INITED|DONE" "$log" || true
done
