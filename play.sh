#!/usr/bin/env bash
# Installs what the game needs (not the tests' packages), builds the game
# alone and starts it. Options are passed on to the game (try
# ./play.sh --window, or ./play.sh --help).
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_missing "${GAME_PACKAGES[@]}"
cmake --preset play >/dev/null
cmake --build --preset play -j"$(nproc)" --target farhaven
cd build/play/game
exec ./farhaven "$@"
