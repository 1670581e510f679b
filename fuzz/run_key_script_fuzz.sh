#!/usr/bin/env bash
# Builds the key script fuzzer with clang's libFuzzer and runs it for a while
# (default 60 s): ./fuzz/run_key_script_fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
out=build/fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -Isrc \
    fuzz/key_script_fuzz.cpp src/platform/headless/key_script.cpp src/platform/core/scan_codes.cpp \
    -o "$out/key_script_fuzz"
printf '1 SPACE\n2-5 up LEFT # c\n7+ MOUSE 1 2 CLOSE\n' > "$out/corpus/seed"
"$out/key_script_fuzz" -max_total_time="${1:-60}" -max_len=256 "$out/corpus"
