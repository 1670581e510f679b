# The Windows build's tools and libraries (sourced by tools/check-windows.sh,
# or run by itself): installs MinGW-w64, Wine, NSIS and dpkg-dev, then builds
# SDL2, FreeType, SDL2_ttf, SDL2_image and GoogleTest for Windows x64 from
# Debian 12's own source packages into build/windows-deps, once: a stamp per
# library names the source version it was built from, and a later run with
# the same version reuses it. Nothing comes from anywhere but Debian's
# archive. The libraries are static: the game is one program with no DLLs.
#
# It changes the machine (packages, and a deb-src entry for apt-get source),
# so it needs root, or sudo, and no input.

WINDOWS_HOST=x86_64-w64-mingw32
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth nsis dpkg-dev zip unzip cmake
                  pkg-config)
# Debian's source package of each library, in build order (FreeType before
# SDL2_ttf).
WINDOWS_SOURCES=(libsdl2 freetype libsdl2-ttf libsdl2-image googletest)

windows_sudo() {
    if [ "$(id -u)" -eq 0 ]; then
        env DEBIAN_FRONTEND=noninteractive "$@"
    else
        sudo env DEBIAN_FRONTEND=noninteractive "$@"
    fi
}
windows_apt() { windows_sudo apt-get -o DPkg::Lock::Timeout=600 -q "$@"; }
windows_fail() {
    echo "windows deps FAILED: $*" >&2
    return 1
}

# apt-get source needs the archive's source lists, which a machine set up for
# binary packages alone lacks: one entry of our own, beside the system's.
windows_deb_src() {
    local list=/etc/apt/sources.list.d/farhaven-deb-src.sources
    [ -f "$list" ] && return 0
    echo "adding $list"
    windows_sudo tee "$list" >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    windows_apt update
}

windows_packages() {
    local missing=() package
    for package in "${WINDOWS_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    windows_apt update
    windows_apt install -y --no-install-recommends "${missing[@]}" \
        || windows_fail "could not install ${missing[*]}"
}

# The version of a source package that apt-get source would fetch.
windows_source_version() {
    apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -V | tail -1
}

# Fetches and unpacks SOURCE (Debian's patches applied) into DIR/src, fresh.
windows_fetch() {
    local source=$1 dir=$2
    rm -rf "$dir/src" "$dir/fetch"
    mkdir -p "$dir/fetch"
    (cd "$dir/fetch" && apt-get -q source --only-source "$source" >../fetch.log 2>&1) \
        || windows_fail "apt-get source $source: $(tail -5 "$dir/fetch.log")" || return 1
    local unpacked
    unpacked=$(find "$dir/fetch" -mindepth 1 -maxdepth 1 -type d | head -1)
    [ -n "$unpacked" ] || windows_fail "apt-get source $source unpacked nothing" || return 1
    mv "$unpacked" "$dir/src"
    rm -rf "$dir/fetch"
}

# Configures, builds and installs the CMake project in DIR/src into the
# cache's prefix, with the library's own options.
windows_cmake() {
    local dir=$1
    shift
    rm -rf "$dir/build"
    cmake -S "$dir/src" -B "$dir/build" -G "Unix Makefiles" \
        -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_ROOT/tools/cross/windows.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$WINDOWS_PREFIX" \
        -DCMAKE_PREFIX_PATH="$WINDOWS_PREFIX" -DBUILD_SHARED_LIBS=OFF "$@" >"$dir/build.log" 2>&1 \
        && nice cmake --build "$dir/build" -j"$WINDOWS_JOBS" >>"$dir/build.log" 2>&1 \
        && cmake --install "$dir/build" >>"$dir/build.log" 2>&1 \
        || windows_fail "building $(basename "$dir"): see $dir/build.log: $(tail -5 "$dir/build.log")"
}

# Each library's options: static, and nothing the game does not use.
# SDL2's pkg-config file makes every program a windowed one entered through
# SDL2main; the game chooses that itself (CMakeLists.txt) and the tests are
# console programs, so the library's file names the library alone.
windows_build_libsdl2() {
    windows_cmake "$1" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF || return 1
    sed -i -e 's/ *-lmingw32 -mwindows -lSDL2main//g' -e 's/ *-Dmain=SDL_main//' \
        "$WINDOWS_PREFIX/lib/pkgconfig/sdl2.pc"
}
# SDL2_ttf and SDL2_image write a pkg-config file only when built as DLLs.
windows_pc() {
    local name=$1 version=$2 requires=$3 library=$4
    cat >"$WINDOWS_PREFIX/lib/pkgconfig/$name.pc" <<PC
prefix=$WINDOWS_PREFIX
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: $name
Description: $name, static, for Windows
Version: $version
Requires: $requires
Libs: -L\${libdir} -l$library
Cflags: -I\${includedir}/SDL2
PC
}
windows_build_freetype() {
    windows_cmake "$1" -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
        -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}
windows_build_libsdl2-ttf() {
    windows_cmake "$1" -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF \
        && windows_pc SDL2_ttf "${2%%+*}" "sdl2 freetype2" SDL2_ttf
}
windows_build_libsdl2-image() {
    local off=() format
    for format in AVIF BMP GIF JPG JXL LBM PCX PNM QOI SVG TGA TIF WEBP XCF XPM XV; do
        off+=("-DSDL2IMAGE_$format=OFF")
    done
    windows_cmake "$1" -DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_TESTS=OFF \
        -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_BACKEND_WIC=OFF \
        -DSDL2IMAGE_DEPS_SHARED=OFF "${off[@]}" \
        && windows_pc SDL2_image "${2%%+*}" sdl2 SDL2_image
}
windows_build_googletest() {
    windows_cmake "$1" -DBUILD_GMOCK=ON -Dgtest_force_shared_crt=OFF
}

# Builds SOURCE unless the cache holds the same version already.
windows_library() {
    local source=$1 version dir="$WINDOWS_CACHE/$1"
    version=$(windows_source_version "$source")
    [ -n "$version" ] || windows_fail "no source package $source (is deb-src set up?)" || return 1
    local stamp="$WINDOWS_CACHE/stamps/$source"
    if [ "$(cat "$stamp" 2>/dev/null)" = "$version" ]; then
        echo "$source $version: cached"
        return 0
    fi
    local started=$SECONDS
    mkdir -p "$dir" "$WINDOWS_CACHE/stamps"
    windows_fetch "$source" "$dir" && "windows_build_$source" "$dir" "$version" || return 1
    echo "$version" >"$stamp"
    echo "$source $version: built in $((SECONDS - started)) s"
}

# The whole step. WINDOWS_JOBS (default 2) builds at a time.
windows_deps() {
    WINDOWS_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    WINDOWS_CACHE="$WINDOWS_ROOT/build/windows-deps"
    WINDOWS_PREFIX="$WINDOWS_CACHE/$WINDOWS_HOST"
    WINDOWS_JOBS=${WINDOWS_JOBS:-2}
    local started=$SECONDS source
    windows_packages || return 1
    windows_deb_src || return 1
    for source in "${WINDOWS_SOURCES[@]}"; do
        windows_library "$source" || return 1
    done
    echo "windows deps ready in $((SECONDS - started)) s: $WINDOWS_PREFIX"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    windows_deps
fi
