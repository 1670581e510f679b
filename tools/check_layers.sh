#!/usr/bin/env bash
# Checks that every folder of src/ includes only the folders below it (see
# "Layers" in README.md): reads each #include "..." line and names the file
# and line of one that runs upward or across. Exit 0 when all is well.
#   tools/check_layers.sh [SOURCE_ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}/src"

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
    [platform]="platform/api platform/core platform/sdl platform/headless"
    [platform/core]="platform/api"
    [platform/sdl]="platform/core platform/api"
    [platform/headless]="platform/core platform/api"
)

# Sets `folder` to the folder a path belongs to: src/platform has one per
# layer. (No subshell: it runs for every include of the tree.)
folder_of() {
    case $1 in
        platform/*/*) folder="${1#platform/}"; folder="platform/${folder%%/*}" ;;
        */*) folder="${1%%/*}" ;;
        *) folder="" ;;
    esac
}

problems=0
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

if [ "$problems" -ne 0 ]; then
    echo "$problems include(s) against the layers"
    exit 1
fi
echo "every include runs downward"
