# Shared by play.sh and test.sh: installs the Debian packages that are missing.
# Usage: install_missing PACKAGE...
install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What the game needs to build and run (play.sh installs these alone).
GAME_PACKAGES=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev
               fonts-dejavu-core)
# What the tests need on top: GoogleTest, Google Benchmark, an X server for
# the real-window tests, xdotool to type into it, ImageMagick to read its
# screen back, sox to measure sound, desktop-file-utils to check the
# installed menu entry, dpkg-dev and file for CPack to make the Debian
# package (dpkg-shlibdeps works out its dependencies), lintian to check it,
# clang for the fuzz targets with the sanitizer runtime of whichever clang
# that is (libclang-rt-dev follows the default clang), strace to see that
# the player's files are synced before they are closed.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick sox desktop-file-utils
               dpkg-dev file lintian clang libclang-rt-dev strace)
# appstreamcli checks the software centres' description of the game.
TEST_PACKAGES+=(appstream)
