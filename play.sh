#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Options are passed
# on to the game (try ./play.sh --window, or ./play.sh --help).
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh
install_missing "${GAME_PACKAGES[@]}" libgtest-dev
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target farhaven
cd build/default/game
exec ./farhaven "$@"
