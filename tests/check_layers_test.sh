#!/usr/bin/env bash
# The layers check finds what it is for: a copy of the tree with one include
# that runs the wrong way, then one with two files that include each other,
# must each fail with the file and line named; the tree as it is passes.
#   tests/check_layers_test.sh SOURCE_ROOT
set -euo pipefail
root="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fresh_copy() {
    rm -rf "$work/src"
    cp -r "$root/src" "$work/src"
}

expect_failure() {  # what it is, then the text the check must say
    local output
    if output="$("$root/tools/check_layers.sh" "$work")"; then
        echo "FAILED: $1 passed the check"
        exit 1
    fi
    if ! grep -qF -- "$2" <<<"$output"; then
        echo "FAILED: $1: the check did not say \"$2\" but:"
        echo "$output"
        exit 1
    fi
    echo "found: $1"
}

fresh_copy
"$root/tools/check_layers.sh" "$work" >/dev/null

# The sound never sees the display.
sed -i '1a #include "platform/core/display/blitter.h"' "$work/src/platform/core/sound/limiter.cpp"
expect_failure "sound including display" \
    'src/platform/core/sound/limiter.cpp:2: platform/core/sound includes "platform/core/display/blitter.h"'

# The operating system's side sees nothing of the platform but the api.
fresh_copy
sed -i '1a #include "platform/core/platform.h"' "$work/src/platform/core/os/output_file.cpp"
expect_failure "os including the core" 'src/platform/core/os/output_file.cpp:2: platform/core/os includes'

# One system's files never see the other's, nor do the files every system shares.
for file in posix_output_file output_file; do
    fresh_copy
    sed -i '1a #include "platform/core/os/windows_wide.h"' "$work/src/platform/core/os/$file.cpp"
    expect_failure "$file including a Windows header" \
        "src/platform/core/os/$file.cpp:2: includes \"platform/core/os/windows_wide.h\", which is for"
done

# Game code sees the platform through its api alone.
fresh_copy
sed -i '1a #include "platform/core/input/keyboard.h"' "$work/src/world/actors.cpp"
expect_failure "the game including the core" 'world includes "platform/core/input/keyboard.h"'

# Two files of one folder that include each other's headers.
fresh_copy
sed -i '1a #include "platform/core/sound/mixer.h"' "$work/src/platform/core/sound/limiter.h"
expect_failure "a knot" "include each other's headers"
echo "every planted include was found"
