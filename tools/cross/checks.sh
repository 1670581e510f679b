# What the arm64 and Windows checks share: their messages, a folder to play
# a build's game in, and the comparisons with the machine's own build (the
# generated files, the golden game, recordings made on one and replayed on
# the other). Sourced by tools/check-*.sh, which set check_name (the word
# before their messages) and work (a scratch folder), and run from the
# project's root.
root="$PWD"
golden=tests/golden
jobs="$(nproc)"

step() { echo "=== $check_name: $*"; }
fail() {
    echo "$check_name check FAILED: $*" >&2
    exit 1
}
same() {
    cmp "$1" "$2" || fail "$3: $1 and $2 differ"
    echo "$3: the same, $(wc -c <"$1") bytes"
}

# Builds the PRESET whole, and the machine's own game for the comparisons.
build_both() {
    step "build (preset $1)"
    cmake --preset "$1" >/dev/null
    nice cmake --build --preset "$1" -j"$jobs"
    step "the machine's own game (preset default), for the comparisons"
    cmake --preset default >/dev/null
    nice cmake --build --preset default -j"$jobs" --target farhaven game_resources
}

# The game a build makes: farhaven, or farhaven.exe for Windows.
program_of() {
    if [ -f "build/$1/game/farhaven.exe" ]; then echo farhaven.exe; else echo farhaven; fi
}

# A folder to play a build's game in: the program, its resources and the
# golden control file. Usage: run_folder FOLDER BUILD
run_folder() {
    mkdir -p "$1"
    cp "build/$2/game/$(program_of "$2")" "$1/"
    cp -r "build/$2/game/resources" "$1/"
    cp "$golden/quorlat.ctl" "$1/"
}

# Plays in FOLDER headless with the given options (files named in the
# folder), the log in FOLDER/game.log; a Windows game under Wine.
play() {
    local folder=$1
    shift
    local program=(./farhaven)
    [ -f "$folder/farhaven.exe" ] && program=("$root/tools/windows/wine.sh" ./farhaven.exe)
    (cd "$folder" && timeout -s KILL 600 "${program[@]}" --headless --log game.log "$@" \
        </dev/null >/dev/null 2>errors.txt) \
        || fail "the game in $folder ended with an error: $(head -c 500 "$folder/errors.txt")"
}

# The control file and every generated picture and sound of the BUILD are
# those of the machine's own build.
same_generated_files() {
    local made
    for made in build/default/game/quorlat.ctl build/default/game/resources/*; do
        same "$made" "build/$1/${made#build/default/}" "$(basename "$made")"
    done
}

# The golden game played by the BUILD says what the golden log says.
# Usage: golden_game BUILD SYSTEM
golden_game() {
    run_folder "$work/golden" "$1"
    cp "$golden/game.keys" "$work/golden/"
    play "$work/golden" --keys game.keys
    same "$work/golden/game.log" "$golden/game.log" "the golden log on $2"
}

# Each side records a game of keys it is given, and the other replays the
# recording to the same log; a game of many key changes, shield and wrecks
# brought back. Usage: recordings_travel BUILD SYSTEM MACHINES_SYSTEM
recordings_travel() {
    printf '%s\n' "1-1190 SPACE" "40-90 RIGHT" "120-200 LEFT" "230 S" "300-420 RIGHT UP" "450 R" \
        "500-640 LEFT" "700 S" "760-900 RIGHT DOWN" "960 R" "1200 ESC" >"$work/busy.keys"
    local -A system_of=([default]="$3" [$1]="$2")
    local from to
    for from in default "$1"; do
        to=$([ "$from" = default ] && echo "$1" || echo default)
        run_folder "$work/$from-made" "$from"
        run_folder "$work/$from-to-$to" "$to"
        cp "$work/busy.keys" "$work/$from-made/"
        play "$work/$from-made" --keys busy.keys --record made.keys
        cp "$work/$from-made/made.keys" "$work/$from-to-$to/"
        play "$work/$from-to-$to" --keys made.keys
        same "$work/$from-to-$to/game.log" "$work/$from-made/game.log" \
            "recorded on ${system_of[$from]}, replayed on ${system_of[$to]}"
    done
}
