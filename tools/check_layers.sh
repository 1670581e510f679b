#!/usr/bin/env bash
# Checks that every folder of src/ includes only the folders below it (see
# "Layers" in README.md): reads each #include "..." line and names the file
# and line of one that runs upward or across, and names two files that
# include each other's headers. Exit 0 when all is well.
#   tools/check_layers.sh [SOURCE_ROOT]
#
# Which way each folder may look, as the table below says it:
# - the game, top to bottom: shell, input, world, display and sound, config
#   and common, and the platform's api under all of them;
# - the platform: platform/ itself (the start, which knows both backends)
#   over sdl/ and headless/, which never see each other; both over core/;
# - core/ itself (the platform object, its window table, message queue and
#   backend interface) over its concerns display/, sound/ and input/, which
#   never see each other; all three over os/, the operating system's side;
# - os/ sees only the api; its posix_ and windows_ files fill its headers
#   for one system each, and never include each other's, nor does a file
#   of os/ that is the same on every system.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

core_all="platform/core platform/core/display platform/core/sound platform/core/input platform/core/os"
# Each folder and the folders it may include besides its own, top to bottom.
declare -A may_include=(
    [shell]="input world display sound config common platform/api"
    [input]="world display sound config common platform/api"
    [world]="display sound config common platform/api"
    [display]="config common platform/api"
    [sound]="config common platform/api"
    [config]="platform/api"
    [common]="platform/api"
    [platform/api]=""
    [platform]="platform/api $core_all platform/sdl platform/headless"
    [platform/sdl]="$core_all platform/api"
    [platform/headless]="$core_all platform/api"
    [platform/core]="platform/core/display platform/core/sound platform/core/input platform/core/os platform/api"
    [platform/core/display]="platform/core/os platform/api"
    [platform/core/sound]="platform/core/os platform/api"
    [platform/core/input]="platform/core/os platform/api"
    [platform/core/os]="platform/api"
)

# Sets `folder` to the folder a path belongs to: src/platform has one per
# layer, and its core one per concern. (No subshell: it runs for every
# include of the tree.)
folder_of() {
    case $1 in
        platform/core/*/*) folder="${1#platform/core/}"; folder="platform/core/${folder%%/*}" ;;
        platform/*/*) folder="${1#platform/}"; folder="platform/${folder%%/*}" ;;
        */*) folder="${1%%/*}" ;;
        *) folder="" ;;
    esac
}

problems=0
# "a b" for every file a (without its extension) that includes the header b.
declare -A includes=()
while IFS= read -r file; do
    folder_of "$file"
    from="$folder"
    if [ -z "$from" ] || [ -z "${may_include[$from]+set}" ]; then
        echo "src/$file: the folder '$from' has no place in the layers; add it to tools/check_layers.sh"
        problems=$((problems + 1))
        continue
    fi
    while IFS=: read -r line header; do
        folder_of "$header"
        to="$folder"
        includes["${file%.*} ${header%.*}"]="src/$file:$line"
        # A system's own header (posix_*, windows_*) is for its files alone.
        header_name=${header##*/}
        case $header_name in
            posix_* | windows_*)
                if [[ ${file##*/} != "${header_name%%_*}_"* ]]; then
                    echo "src/$file:$line: includes \"$header\", which is for" \
                         "the ${header_name%%_*}_ files alone"
                    problems=$((problems + 1))
                fi
                ;;
        esac
        [ "$to" = "$from" ] && continue
        case " ${may_include[$from]} " in
            *" $to "*) ;;
            *)
                echo "src/$file:$line: $from includes \"$header\" ($to is not below it)"
                problems=$((problems + 1))
                ;;
        esac
    done < <(grep -n -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+"' "$file" |
             sed -E 's/^([0-9]+):.*"([^"]+)"$/\1:\2/')
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort)

# Two files that include each other's headers are one knot: neither can be
# understood, changed or tested without the other.
for pair in "${!includes[@]}"; do
    read -r one other <<<"$pair"
    [ "$one" = "$other" ] && continue
    if [[ "$one" < "$other" && -n "${includes["$other $one"]+set}" ]]; then
        echo "${includes[$pair]}: src/$one and src/$other include each other's headers" \
             "(and ${includes["$other $one"]})"
        problems=$((problems + 1))
    fi
done

if [ "$problems" -ne 0 ]; then
    echo "$problems include(s) against the layers"
    exit 1
fi
echo "every include runs downward"
