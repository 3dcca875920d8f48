#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang) into build-asan/, the program's core instrumented too, and runs
# every test offscreen: a memory fault, a leak or undefined behaviour fails
# the run. Only the tests are built (no program, benchmarks or fuzzers).
# The one deliberate leak is named in scripts/lsan.supp. Without clang it
# says so and does nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
cxx="${SANITIZE_CXX:-clang++}"
if ! command -v "$cxx" >/dev/null; then
    echo "sanitize.sh: $cxx is not installed; sanitizer run skipped"
    exit 0
fi

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -DCMAKE_CXX_COMPILER="$cxx" "${launcher[@]}" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
      -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
      -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
      -DCONTALANDIA_BENCH=OFF -DCONTALANDIA_FUZZ=OFF >/dev/null
cmake --build build-asan -j"$(nproc)" --target contalandia_tests

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The keyboard black box drives the built program, which this build does
# not make; the normal build runs it.
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E '^KeyboardBlackBox$'
