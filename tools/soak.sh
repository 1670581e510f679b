#!/usr/bin/env bash
# The long soak: the whole program plays a random but seeded game of many
# frames (100,000 unless told) headless under the address, leak and
# undefined-behaviour sanitizers, holding every key but Escape in turn, with
# and without fire. Then the same game, a tenth as long and whole, in the
# default build, to show that memory does not grow with the frames played.
#   ./tools/soak.sh [frames]
set -euo pipefail
cd "$(dirname "$0")/.."
frames="${1:-100000}"
if [[ ! -x /usr/bin/time ]]; then
    echo "soak: the memory check needs /usr/bin/time (sudo apt-get install time)" >&2
    exit 2
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A new key (or none) every 20 frames, with Space half of the time.
awk -v frames="$frames" 'BEGIN {
    srand(20261207)
    split("LEFT RIGHT UP DOWN S R", keys, " ")
    for (first = 1; first <= frames; first += 20) {
        key = int(rand() * 7)
        words = (key > 0 ? keys[key] : "") (rand() < 0.5 ? " SPACE" : "")
        if (words != "") printf "%d-%d %s\n", first, first + 19, words
    }
}' > "$work/soak.keys"

for preset in asan default; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$(nproc)" --target farhaven
done

# The game reads its resources from the folder it is started in.
echo "soak: $frames frames under the sanitizers"
(cd build/asan/game &&
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
    LSAN_OPTIONS="suppressions=$OLDPWD/tests/lsan.supp:print_suppressions=0" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ./farhaven --headless --keys "$work/soak.keys" --frames "$frames" --log "$work/soak.log")
echo "soak: $(grep -c '^boom added$' "$work/soak.log") explosions," \
     "$(grep -c '^bullet hit roamie$' "$work/soak.log") roamies shot"

peak() {  # the peak resident memory in KiB of a default-build game of $1 frames
    (cd build/default/game &&
        /usr/bin/time -f %M ./farhaven --headless --keys "$work/soak.keys" \
            --frames "$1" --log /dev/null 2>&1 >/dev/null | tail -n 1)
}
short="$(peak $((frames / 10)))"
long="$(peak "$frames")"
echo "soak: peak memory $short KiB after $((frames / 10)) frames, $long KiB after $frames"
if (( long > short + 8192 )); then
    echo "soak: memory grew by more than 8 MiB with the frames played" >&2
    exit 1
fi
