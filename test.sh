#!/usr/bin/env bash
# Installs what is missing, builds both presets (optimised, and with the
# address and undefined-behaviour sanitizers) and runs every test in each.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_missing "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# The real-window tests need an X server; start one unless there is a display.
xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    display=":$((90 + RANDOM % 100))"
    Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X${display#:}" ] && break
        sleep 0.1
    done
    export DISPLAY="$display"
fi

jobs="$(nproc)"
for preset in default asan; do
    echo "=== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    echo "=== $preset: test"
    ctest --preset "$preset" -j"$jobs"
done
