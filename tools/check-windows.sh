#!/usr/bin/env bash
# The Windows check: cross-builds the game and its tests for Windows x64
# with MinGW-w64 and the libraries built from Debian's sources
# (tools/windows/deps.sh), runs the tests under Wine, plays the golden game
# under Wine, and replays a game recorded on each system on the other. Each
# game's debug log must be the same to the byte, and so must the pictures,
# sounds and control file that each build generates. Then it makes the zip
# and the installer, plays from each, and uninstalls the installed game.
#
# It changes the machine (packages, a deb-src entry), so ./test.sh never
# runs it. It needs root, or sudo, and no input. Wine's own folder is
# build/windows-wine, made on the first run.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
source tools/windows/deps.sh
started=$(date +%s)
root="$PWD"

step() { echo "=== windows: $*"; }
fail() {
    echo "windows check FAILED: $*" >&2
    exit 1
}

step "packages and libraries"
install_missing "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
windows_deps || fail "the Windows libraries"

jobs="$(nproc)"
step "build (preset windows)"
cmake --preset windows >/dev/null
nice cmake --build --preset windows -j"$jobs"
step "Linux game (preset default), for the comparisons"
cmake --preset default >/dev/null
nice cmake --build --preset default -j"$jobs" --target farhaven game_resources

wine=tools/windows/wine.sh
[ "$(file -b build/windows/game/farhaven.exe | cut -d' ' -f1-2)" = "PE32+ executable" ] \
    || fail "build/windows/game/farhaven.exe is not a Windows x64 program: $(file -b build/windows/game/farhaven.exe)"

# Its icon, every size of the generator's .ico, is the program's resource.
icons=$(x86_64-w64-mingw32-windres -i build/windows/game/farhaven.exe -O rc | grep -c "RT_ICON \*/" || true)
[ "$icons" -ge 4 ] && [ "$icons" = "$(od -An -tu2 -j4 -N2 build/windows/icons/farhaven.ico | tr -d ' ')" ] \
    || fail "farhaven.exe holds $icons icon pictures, not those of build/windows/icons/farhaven.ico"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Every Wine program from here on shows its windows on an X server of this
# script's own; Wine's server, which keeps the display it started with, is
# let go first (the build ran Wine without one).
WINEPREFIX="$root/build/windows-wine" /usr/lib/wine/wineserver -w
xvfb_display="$work/xvfb.display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$xvfb_display" ] && break; sleep 0.1; done
[ -s "$xvfb_display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$xvfb_display")"

step "tests under Wine"
# The tests that start no program of their own and need no X server.
WINEDEBUG=-all ctest --preset windows -j"$jobs"

golden=tests/golden

# A folder to play a build's game in: the program, its resources and the
# golden control file. Usage: run_folder FOLDER BUILD
run_folder() {
    mkdir -p "$1"
    local program=farhaven
    [ "$2" = windows ] && program=farhaven.exe
    cp "build/$2/game/$program" "$1/"
    cp -r "build/$2/game/resources" "$1/"
    cp "$golden/quorlat.ctl" "$1/"
}
# Plays in FOLDER headless with the given options (files named in the
# folder), the log in FOLDER/game.log.
play() {
    local folder=$1
    shift
    local program=(./farhaven)
    [ -f "$folder/farhaven.exe" ] && program=("$root/$wine" ./farhaven.exe)
    (cd "$folder" && timeout -s KILL 600 "${program[@]}" --headless --log game.log "$@" \
        </dev/null >/dev/null 2>errors.txt) \
        || fail "the game in $folder ended with an error: $(head -c 500 "$folder/errors.txt")"
}
system() { [ "$1" = windows ] && echo Windows || echo Linux; }
same() {
    cmp "$1" "$2" || fail "$3: $1 and $2 differ"
    echo "$3: the same, $(wc -c <"$1") bytes"
}

step "the generated pictures and sounds are the same on both"
for made in build/default/game/quorlat.ctl build/default/game/resources/*; do
    same "$made" "build/windows/${made#build/default/}" "$(basename "$made")"
done
font=$(sed -n 's/^FARHAVEN_FONT_FILE:FILEPATH=//p' build/default/CMakeCache.txt)
same "$font" build/windows/game/resources/DejaVuSansMono-Bold.ttf "the font the game carries"

step "the golden game under Wine"
run_folder "$work/golden" windows
cp "$golden/game.keys" "$work/golden/"
play "$work/golden" --keys game.keys
same "$work/golden/game.log" "$golden/game.log" "the golden log under Wine"

step "recordings travel: Linux to Windows and back"
# Each side records a game of keys it is given, and the other replays the
# recording; a game of many key changes, shield and wrecks brought back.
printf '%s\n' "1-1190 SPACE" "40-90 RIGHT" "120-200 LEFT" "230 S" "300-420 RIGHT UP" "450 R" \
    "500-640 LEFT" "700 S" "760-900 RIGHT DOWN" "960 R" "1200 ESC" >"$work/busy.keys"
for way in "default windows" "windows default"; do
    read -r from to <<<"$way"
    run_folder "$work/$from-made" "$from"
    run_folder "$work/$from-to-$to" "$to"
    cp "$work/busy.keys" "$work/$from-made/"
    play "$work/$from-made" --keys busy.keys --record made.keys
    cp "$work/$from-made/made.keys" "$work/$from-to-$to/"
    play "$work/$from-to-$to" --keys made.keys
    same "$work/$from-to-$to/game.log" "$work/$from-made/game.log" \
        "recorded on $(system "$from"), replayed on $(system "$to")"
done

step "the portable zip"
version=$(sed -n 's/^project(farhaven VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
zip="build/windows/farhaven-$version-windows-x64.zip"
rm -f "$zip" "build/windows/farhaven-$version-windows-x64.exe"
cmake --build --preset windows --target package >/dev/null
[ -f "$zip" ] || fail "no $zip: $(ls build/windows/*.zip 2>&1)"
echo "$zip: $(wc -c <"$zip") bytes"
unzip -q "$zip" -d "$work/unzipped"
unzipped="$work/unzipped/farhaven-$version-windows-x64"
for inside in farhaven.exe quorlat.ctl LICENSE README.txt resources/DejaVuSansMono-Bold.ttf \
    licences/SDL2.txt licences/SDL2_ttf.txt licences/SDL2_image.txt licences/FreeType.txt \
    licences/DejaVu-fonts.txt licences/MinGW-w64-runtime.txt licences/GCC-runtime.txt; do
    [ -s "$unzipped/$inside" ] || fail "the zip has no $inside"
done
[ "$(grep -c $'\r$' "$unzipped/README.txt")" = "$(wc -l <"$unzipped/README.txt")" ] \
    || fail "the zip's README.txt has lines without Windows line ends"
cp "$golden/quorlat.ctl" "$golden/game.keys" "$unzipped/"
play "$unzipped" --keys game.keys
same "$unzipped/game.log" "$golden/game.log" "the golden log from the unzipped game"

step "the installer, under Wine: for the player alone, a menu entry, gone again on uninstalling"
installer="build/windows/farhaven-$version-windows-x64.exe"
[ -f "$installer" ] || fail "no $installer: $(ls build/windows/*.exe 2>&1)"
echo "$installer: $(wc -c <"$installer") bytes"
# A folder of this Wine by its Windows variable, as Windows names it and as
# a path here.
windows_folder() { "$wine" cmd /c echo "%$1%" | tr -d '\r'; }
folder() { "$wine" winepath -u "$(windows_folder "$1")"; }
local_data=$(folder LOCALAPPDATA)
player=$(folder APPDATA)/farhaven
players_control="$(windows_folder APPDATA)\\farhaven\\quorlat.ctl"
installed="$local_data/Programs/Far Haven"
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Far Haven.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\farhaven'
# Waits for the installer's and uninstaller's programs to end (the
# uninstaller runs a copy of itself and returns at once).
settle() { WINEPREFIX="$root/build/windows-wine" /usr/lib/wine/wineserver -w; }
# The player's files and Wine's own before, without what a run leaves in Temp.
user_files() { (cd "$(folder USERPROFILE)/.." && find . -path '*/Temp' -prune -o -print | sort); }
rm -rf "$installed" "$player" "$shortcut"
"$wine" reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
before=$(user_files)
"$wine" "$installer" /S || fail "the installer ended with $?"
settle
for inside in farhaven.exe quorlat.ctl installed.txt Uninstall.exe resources/DejaVuSansMono-Bold.ttf; do
    [ -s "$installed/$inside" ] || fail "the installer put no $inside in $installed"
done
[ -s "$shortcut" ] || fail "the installer made no Start-menu entry ($shortcut)"
"$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the installer listed no uninstaller"
# The installed game copies its control file into the player's folder and
# reads it there: a key the player's copy names wrongly stops the game,
# naming that copy, and a second run leaves the copy as the player made it.
(cd "$installed" && "$root/$wine" ./farhaven.exe --headless --frames 2 --log "$work/installed.log" \
    </dev/null >/dev/null 2>"$work/installed.errors") \
    || fail "the installed game ended with an error: $(head -c 500 "$work/installed.errors")"
same "$player/quorlat.ctl" "$installed/quorlat.ctl" "the player's copy of the control file"
sed -i 's/^FIRE=.*/FIRE=Nothing/' "$player/quorlat.ctl"
cp "$player/quorlat.ctl" "$work/players.ctl"
status=0
(cd "$installed" && "$root/$wine" ./farhaven.exe --headless --frames 2 \
    </dev/null >"$work/installed.errors" 2>&1) || status=$?
[ "$status" = 2 ] && grep -qi "roaming/farhaven/quorlat.ctl:[0-9]*: 'Nothing' is no key" "$work/installed.errors" \
    || fail "the installed game did not read the player's copy (exit $status): $(head -c 500 "$work/installed.errors")"
same "$player/quorlat.ctl" "$work/players.ctl" "the player's copy, kept"
# That copy is the control file the game guards from its own outputs.
status=0
(cd "$installed" && "$root/$wine" ./farhaven.exe --headless --frames 2 \
    --log "$players_control" \
    </dev/null >"$work/installed.errors" 2>&1) || status=$?
[ "$status" = 2 ] && grep -q "would write over the control file" "$work/installed.errors" \
    || fail "the installed game let --log write over the player's control file (exit $status)"
same "$player/quorlat.ctl" "$work/players.ctl" "the player's copy, not written over"
installed_dir=$("$wine" winepath -w "$installed" | tr -d '\r')
"$wine" "$installed/Uninstall.exe" /S || fail "the uninstaller ended with $?"
settle
[ ! -e "$installed" ] || fail "the uninstaller left $installed_dir: $(ls -A "$installed")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left $uninstall_key"
# Nothing new is left but the player's folder, and the folder of programs
# installed for one user, which is the system's and empty.
left=$(comm -13 <(echo "$before") <(user_files) \
    | grep -v -x -e '\./[^/]*/AppData/Roaming/farhaven\(/quorlat\.ctl\)\?' \
        -e '\./[^/]*/AppData/Local/Programs' || true)
[ -z "$left" ] || fail "the uninstaller left: $left"
[ -z "$(ls -A "$local_data/Programs")" ] || fail "the uninstaller left: $(ls -A "$local_data/Programs")"
rm -rf "$player"
echo "installed in $installed_dir, played, the player's copy of the control file read and kept," \
    "uninstalled leaving nothing else"

step "a real window under Wine, on an X server of its own"
# Wine's sound drivers are left out: no sound device, as on a machine
# without one, and the game plays on in silence, saying so once.
windowed="$work/windowed"
run_folder "$windowed" windows
(cd "$windowed" && WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv,winepulse.drv=" \
    timeout -s KILL 300 "$root/$wine" ./farhaven.exe --window --screenshot shot.png --log game.log \
    </dev/null >/dev/null 2>errors.txt; echo $? >status.txt) &
for _ in $(seq 240); do grep -qx "before frame" "$windowed/game.log" 2>/dev/null && break; sleep 0.5; done
grep -qx "before frame" "$windowed/game.log" || fail "the windowed game under Wine never started playing"
xdotool windowfocus --sync "$(xdotool search --sync --name '^Far Haven$' | head -1)"
xdotool keydown s sleep 0.5 keyup s sleep 0.5 keydown Escape sleep 0.3 keyup Escape
for _ in $(seq 120); do [ -s "$windowed/status.txt" ] && break; sleep 0.5; done
[ "$(cat "$windowed/status.txt" 2>/dev/null)" = 0 ] \
    || fail "Escape did not end the windowed game with 0: $(cat "$windowed/status.txt" 2>/dev/null)" \
        "$(head -c 500 "$windowed/errors.txt")"
[ "$(grep -cx "shield activated" "$windowed/game.log")" = 1 ] || fail "S raised no shield, or more than one"
grep -q "^no audio output: sound is silent" "$windowed/game.log" || fail "no word of the silent sound"
[ "$(convert "$windowed/shot.png" -format '%[fx:maxima]' info:)" != 0 ] || fail "the picture is black"
[ ! -s "$windowed/errors.txt" ] || fail "the windowed game said: $(head -c 500 "$windowed/errors.txt")"
echo "the window showed its picture, S raised the shield, Escape ended the game with 0, in silence"

step "passed in $(($(date +%s) - started)) s"
