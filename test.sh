#!/usr/bin/env bash
# Installs what is missing, builds both presets (optimised, and with the
# address and undefined-behaviour sanitizers) and runs every test in each.
#
# The real-window tests run on an X server of this script's own (Xvfb),
# never on the desktop it was started from: the game would go full screen
# there and have keys typed into it. FARHAVEN_TEST_DISPLAY=:N uses display
# :N instead, on purpose.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_missing "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

xvfb_pid=""
xvfb_log=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$xvfb_log" ] && rm -f "$xvfb_log"
    return 0
}
trap cleanup EXIT

# Starts Xvfb on a display number it picks itself (-displayfd writes it
# once the server is ready) and exports DISPLAY for it.
start_xvfb() {
    xvfb_log="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_log" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [ -s "$xvfb_log" ]; then
            export DISPLAY=":$(head -n1 "$xvfb_log")"
            return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

unset DISPLAY WAYLAND_DISPLAY
if [ -n "${FARHAVEN_TEST_DISPLAY:-}" ]; then
    export DISPLAY="$FARHAVEN_TEST_DISPLAY"
    echo "=== real-window tests on $DISPLAY (FARHAVEN_TEST_DISPLAY)"
elif start_xvfb; then
    echo "=== real-window tests on Xvfb $DISPLAY"
elif [ -n "${CI:-}" ]; then
    echo "=== no X server could be started: under CI the real-window tests will fail"
else
    echo "=== no X server could be started: the real-window tests will skip"
fi

jobs="$(nproc)"
for preset in default asan; do
    echo "=== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    echo "=== $preset: test"
    ctest --preset "$preset" -j"$jobs"
done
