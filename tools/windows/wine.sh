#!/bin/sh
# Runs a Windows program under Wine (the build's resource generator, the
# tests, the game), in the project's own Wine folder under build/ and
# without Wine's chatter; the caller may choose either.
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/windows-wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No .NET or browser engine to offer to install on a new Wine folder.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Debian keeps wine64 out of PATH, behind its wine wrapper.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
exec "$wine" "$@"
