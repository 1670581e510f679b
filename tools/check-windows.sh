#!/usr/bin/env bash
# The Windows check: cross-builds the game and its tests for Windows x64
# with MinGW-w64 and the libraries built from Debian's sources
# (tools/windows/deps.sh), runs the tests under Wine, plays the golden game
# under Wine, and replays a game recorded on each system on the other. Each
# game's debug log must be the same to the byte, and so must the pictures,
# sounds and control file that each build generates, and the golden game's
# sound file and last picture. It tries the player's files under Wine (one
# file twice, unwritable and full targets, a pipe whose reader leaves, names
# in any script, Ctrl-C at the console), makes the zip and the installer,
# plays from each, uninstalls the installed game, and plays in a real window
# (Alt+Enter, a key, Escape) and with no console (the message box).
#
# CI runs it after the arm64 check.
# It changes the machine (packages, a deb-src entry), so ./test.sh never
# runs it. It needs root, or sudo, and no input. Wine's own folder is
# build/windows-wine, made on the first run.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
source tools/windows/deps.sh
check_name=windows
source tools/cross/checks.sh
started=$(date +%s)

step "packages and libraries"
install_missing "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
windows_deps || fail "the Windows libraries"

build_both windows

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

step "the generated pictures and sounds are the same on both"
same_generated_files windows
font=$(sed -n 's/^FARHAVEN_FONT_FILE:FILEPATH=//p' build/default/CMakeCache.txt)
same "$font" build/windows/game/resources/DejaVuSansMono-Bold.ttf "the font the game carries"

step "the golden game under Wine"
golden_game windows Windows

step "recordings travel: Linux to Windows and back"
recordings_travel windows Windows Linux

step "the same sound and picture on both"
# The golden game's sound file to the byte, and its last picture to the
# pixel (the two builds' PNG writers pack the same pixels differently).
for build in default windows; do
    run_folder "$work/$build-output" "$build"
    cp "$golden/game.keys" "$work/$build-output/"
    play "$work/$build-output" --keys game.keys --audio-out game.wav --screenshot game.png
done
same "$work/windows-output/game.wav" "$work/default-output/game.wav" \
    "the golden game's sound on Windows"
differing=$(compare -metric AE "$work/windows-output/game.png" "$work/default-output/game.png" \
    null: 2>&1) || true
[ "$differing" = 0 ] || fail "the golden game's last picture differs on Windows in $differing pixels"
echo "the golden game's last picture on Windows: the same, $(identify -format '%wx%h' \
    "$work/windows-output/game.png") pixels"

step "the player's files under Wine"
# A folder of the Windows game with a log and a control file that must
# keep what they hold; each refused start ends with 2 and its one line.
files="$work/files"
run_folder "$files" windows
in_files() {
    (cd "$files" && timeout -s KILL 120 "$root/$wine" ./farhaven.exe --headless --frames 600 "$@" \
        </dev/null >/dev/null 2>errors.txt)
}
refused() {
    local said=$1
    shift
    echo kept >"$files/game.log"
    local status=0
    in_files "$@" || status=$?
    local told
    told=$(tr -d '\r' <"$files/errors.txt")  # a Windows program's text lines end in CR LF
    [ "$status" = 2 ] && [ "$told" = "farhaven: $said" ] \
        || fail "with $*: exit $status, said '$told', not 'farhaven: $said'"
    [ "$(cat "$files/game.log")" = kept ] || fail "with $*: game.log was written over"
    same "$files/quorlat.ctl" "$golden/quorlat.ctl" "refused, $said: the control file" >/dev/null
}
# Two names of one file, by Windows' rules: case, .\ and a folder and back.
refused "--log and --record name the same file (GAME.LOG)" --log game.log --record GAME.LOG
refused "--log and --audio-out name the same file (.\\game.log)" \
    --log game.log --audio-out '.\game.log'
refused "--log and --screenshot name the same file (resources\\..\\game.log)" \
    --log game.log --screenshot 'resources\..\game.log'
refused "--record and --audio-out name the same file (NEW.KEYS)" \
    --record new.keys --audio-out NEW.KEYS
[ ! -e "$files/new.keys" ] || fail "a refused recording was made"
control=$("$wine" winepath -w "$files/quorlat.ctl" | tr -d '\r')
refused "--audio-out would write over the control file $control" --audio-out QUORLAT.CTL
# A target that cannot be written, and a full disk (Linux's own, seen
# through Wine's drive Z:).
echo kept >"$files/kept.keys"
chmod a-w "$files/kept.keys"
refused "kept.keys: cannot write the key recording (Access denied)" --record kept.keys
[ "$(cat "$files/kept.keys")" = kept ] || fail "a read-only recording was written over"
refused "no-such-folder\\r.keys: cannot write the key recording (File not found)" \
    --record 'no-such-folder\r.keys'
refused 'Z:\dev\full: cannot write the log file (Disk full)' --log 'Z:\dev\full'
refused 'Z:\dev\full: cannot write the sound file (Disk full)' --audio-out 'Z:\dev\full'
# A reader that leaves the pipe of the sound ends the game with a word.
status=$({ (cd "$files" && timeout -s KILL 120 "$root/$wine" ./farhaven.exe --headless \
    --audio-out - </dev/null 2>errors.txt); echo $? >"$files/status.txt"; } | head -c 1000 >/dev/null
    cat "$files/status.txt")
[ "$status" = 2 ] \
    && tr -d '\r' <"$files/errors.txt" | grep -qx "farhaven: -: cannot write the sound file (.*)" \
    || fail "a sound pipe whose reader left: exit $status, said '$(cat "$files/errors.txt")'"
echo "one file twice, an unwritable target, a full disk and a pipe whose reader left:" \
    "each refused or ended with 2 and a line, nothing written over"

# Names in any script, for every option that takes a file.
name="é中"
printf '1-20 RIGHT\n21-40 SPACE\n50 ESC\n' >"$files/keys $name.txt"
(cd "$files" && LANG=C.UTF-8 timeout -s KILL 120 "$root/$wine" ./farhaven.exe --headless \
    --keys "keys $name.txt" --log "log $name.txt" --record "recorded $name.keys" --audio-out "sound $name.wav" \
    --screenshot "shot $name.png" </dev/null >/dev/null 2>errors.txt) \
    || fail "names with $name: $(head -c 500 "$files/errors.txt")"
for made in "log $name.txt" "recorded $name.keys" "sound $name.wav" "shot $name.png"; do
    [ -s "$files/$made" ] || fail "no $made: $(ls "$files")"
done
grep -qx "# the run ended in frame 50" "$files/recorded $name.keys" \
    || fail "the recording under a name with $name is not whole"
echo "a key script, log, recording, sound and screenshot named with $name: all read and written"

# Ctrl-C at the console: the game ends as its close button ends it, with
# 130, its files whole, and the recording replays on Linux.
ctrl="$work/ctrl-c"
run_folder "$ctrl" windows
printf '1-300 RIGHT\n301+ SPACE LEFT\n' >"$ctrl/played.keys"
status=0
(cd "$ctrl" && timeout -s KILL 300 "$root/$wine" "$root/build/windows/tools/windows/console_ctrl.exe" \
    game.log 300000 farhaven.exe --headless --log game.log --keys played.keys --record recorded.keys \
    --audio-out played.wav </dev/null >/dev/null 2>errors.txt) || status=$?
[ "$status" = 130 ] && [ ! -s "$ctrl/errors.txt" ] \
    || fail "Ctrl-C: exit $status, said '$(head -c 500 "$ctrl/errors.txt")'"
last=$(sed -n 's/^# the run ended in frame \([0-9]*\)$/\1/p' "$ctrl/recorded.keys")
[ -n "$last" ] && grep -qx "$last CLOSE" "$ctrl/recorded.keys" \
    || fail "Ctrl-C: the recording does not end with the close: $(tail -c 200 "$ctrl/recorded.keys")"
python3 - "$ctrl/played.wav" <<'PYTHON' || fail "Ctrl-C: the sound file is not whole"
import os, sys, wave
with wave.open(sys.argv[1]) as sound:
    held = sound.getnframes() * sound.getnchannels() * sound.getsampwidth()
sys.exit(held == 0 or os.path.getsize(sys.argv[1]) != 44 + held)
PYTHON
run_folder "$work/ctrl-c-replayed" default
cp "$ctrl/recorded.keys" "$work/ctrl-c-replayed/"
play "$work/ctrl-c-replayed" --keys recorded.keys --frames "$last"
# The logs agree up to the replay's last frame; what follows is each end's own.
replayed="$work/ctrl-c-replayed/game.log"
upto=$(grep -n -x "before frame" "$replayed" | tail -1 | cut -d: -f1)
cmp <(head -n "$upto" "$replayed") <(head -n "$upto" "$ctrl/game.log") \
    || fail "Ctrl-C: the recording replayed on Linux plays another game"
echo "Ctrl-C ended the game with 130 in frame $last, its sound file and recording whole," \
    "the recording replayed on Linux to the same game"

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
window=$(xdotool search --sync --onlyvisible --name '^Far Haven$' | head -1)
xdotool windowfocus --sync "$window"
# Alt+Enter fills the screen with the window, and brings it back.
size() { xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p'; }
sizes="$(size)"
for _ in 1 2; do
    xdotool keydown alt keydown Return sleep 0.3 keyup Return keyup alt sleep 1.5
    sizes="$sizes $(size)"
done
[ "$sizes" = "800x600 1024x768 800x600" ] \
    || fail "Alt+Enter twice took the window through $sizes, not 800x600 1024x768 800x600"
xdotool windowfocus --sync "$window" keydown s sleep 0.5 keyup s sleep 0.5 \
    keydown Escape sleep 0.3 keyup Escape
for _ in $(seq 120); do [ -s "$windowed/status.txt" ] && break; sleep 0.5; done
[ "$(cat "$windowed/status.txt" 2>/dev/null)" = 0 ] \
    || fail "Escape did not end the windowed game with 0: $(cat "$windowed/status.txt" 2>/dev/null)" \
        "$(head -c 500 "$windowed/errors.txt")"
[ "$(grep -cx "shield activated" "$windowed/game.log")" = 1 ] || fail "S raised no shield, or more than one"
grep -q "^no audio output: sound is silent" "$windowed/game.log" || fail "no word of the silent sound"
[ "$(convert "$windowed/shot.png" -format '%[fx:maxima]' info:)" != 0 ] || fail "the picture is black"
[ ! -s "$windowed/errors.txt" ] || fail "the windowed game said: $(head -c 500 "$windowed/errors.txt")"
echo "the window showed its picture, Alt+Enter filled the screen and gave the window back," \
    "S raised the shield, Escape ended the game with 0, in silence"

step "an error at start-up with no console: a message box"
# Started as Explorer starts it (Wine's `start` gives it no standard
# streams), the game says what stops it in a box, and ends with 2 once the
# player has read it.
boxed="$work/boxed"
run_folder "$boxed" windows
(cd "$boxed" && { timeout -s KILL 120 "$root/$wine" start /wait farhaven.exe --headless \
    --record 'no-such-folder\r.keys' </dev/null >/dev/null 2>&1 || echo $? >status.txt; }) &
box=$(timeout 60 xdotool search --sync --onlyvisible --name '^Far Haven$' | head -1) || true
[ -n "$box" ] || fail "no message box came up"
import -window "$box" "$work/box.png"
# Return on its button, again until it is taken (a box may not listen yet).
for _ in $(seq 30); do
    [ -s "$boxed/status.txt" ] && break
    box=$(xdotool search --onlyvisible --name '^Far Haven$' | head -1) || true
    [ -n "$box" ] && { xdotool windowfocus --sync "$box" key Return || true; }
    sleep 1
done
[ "$(cat "$boxed/status.txt" 2>/dev/null)" = 2 ] \
    || fail "the game did not end with 2 once its box was read: $(cat "$boxed/status.txt" 2>/dev/null)"
echo "the box came up, $(identify -format '%wx%h' "$work/box.png") pixels," \
    "and the game ended with 2 once it was read"

step "passed in $(($(date +%s) - started)) s"
