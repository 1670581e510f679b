#!/usr/bin/env bash
# The long soak: 100,000 frames of a random but seeded game under the
# address, leak and undefined-behaviour sanitizers (CI runs 10,000).
#   ./tools/soak.sh [frames]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)" --target test_world
FARHAVEN_SOAK_FRAMES="${1:-100000}" \
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build/asan/tests/test_world --gtest_filter='*Soak*'
