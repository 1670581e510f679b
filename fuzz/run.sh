#!/usr/bin/env bash
# Fuzzes one reader with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from its seed corpus:
#   ./fuzz/run.sh tga_loader|wave_reader|control_file|key_script [seconds, default 600]
# New inputs that reach new code are kept in build/fuzz/corpus/NAME; a
# crashing input is written to build/fuzz/ and the run stops.
set -euo pipefail
cd "$(dirname "$0")/.."
name="${1:?which target: tga_loader, wave_reader, control_file or key_script}"
seconds="${2:-600}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "fuzz_$name" -j"$(nproc)"
work="build/fuzz/corpus/$name"
mkdir -p "$work"
cp -n "fuzz/corpus/$name"/* "$work"/
cd build/fuzz
"./fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=1024 "corpus/$name"
