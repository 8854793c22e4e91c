#!/usr/bin/env bash
# Builds the evaluator's libFuzzer target with clang and runs it for a while.
#   tests/calc/fuzz.sh [SECONDS] [OUT_DIR]
# SECONDS defaults to 60; OUT_DIR (default build-fuzz-calc at the root) gets
# the program, the growing corpus and any crashing input.
# Exits 77 when no clang with libFuzzer is installed.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
seconds=${1:-60}
out=${2:-$root/build-fuzz-calc}

clang=""
for c in clang++-14 clang++; do
    if command -v "$c" >/dev/null 2>&1; then
        clang=$c
        break
    fi
done
if [ -z "$clang" ]; then
    echo "fuzz.sh: clang++ not found, skipping" >&2
    exit 77
fi

mkdir -p "$out/corpus" "$out/crashes"
program=$out/fuzz_calc
sources=("$root"/calc/*.cpp "$here/fuzz_calc.cpp")
needs_build=0
for s in "${sources[@]}" "$root"/calc/*.h; do
    if [ ! -x "$program" ] || [ "$s" -nt "$program" ]; then
        needs_build=1
    fi
done
if [ "$needs_build" = 1 ]; then
    if ! "$clang" -std=c++20 -O1 -g -fno-omit-frame-pointer \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -Wall -Wextra -Wpedantic -Werror \
        -I"$root/calc" "${sources[@]}" -o "$program"; then
        probe=$out/probe.cpp
        echo 'extern "C" int LLVMFuzzerTestOneInput(const char *, unsigned long) { return 0; }' >"$probe"
        if ! "$clang" -fsanitize=fuzzer "$probe" -o "$out/probe" 2>/dev/null; then
            echo "fuzz.sh: $clang has no libFuzzer (libclang-rt-14-dev), skipping" >&2
            exit 77
        fi
        exit 1
    fi
fi

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"$program" "$out/corpus" "$here/fuzz_seeds" \
    -dict="$here/fuzz.dict" -max_len=400 -timeout=5 \
    -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$out/crashes/"
