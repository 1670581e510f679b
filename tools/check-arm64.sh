#!/usr/bin/env bash
# The arm64 check (CI runs it after ./test.sh): cross-builds the game and its
# tests for arm64 with Debian's cross compiler and the arm64 libraries, runs
# the tests that need no X server under qemu, plays the golden game on the
# arm64 build, makes the arm64 Debian package and plays it through its
# launcher, and replays a game recorded on each architecture on the other.
# Each game's debug log must be the same to the byte.
#
# It changes the machine: it adds the arm64 package architecture, installs
# the cross compiler, the game's arm64 libraries and qemu, and registers
# qemu with the kernel (binfmt_misc) so that arm64 programs start like any
# other (the launcher starts the game itself). That is why ./test.sh never
# runs it. It needs root, or sudo, and no input.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
check_name=arm64
source tools/cross/checks.sh
started=$(date +%s)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
apt_get() {
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -q "$@"
}

[ "$(dpkg --print-architecture)" = amd64 ] \
    || fail "this check cross-builds from amd64; this machine is $(dpkg --print-architecture)"

# The cross compiler, the arm64 builds of the game's libraries and of
# GoogleTest (the same versions as the machine's own, which they install
# beside), and qemu; the amd64 game and test packages for the amd64 side.
ARM64_PACKAGES=(crossbuild-essential-arm64 libsdl2-dev:arm64 libsdl2-ttf-dev:arm64
                libsdl2-image-dev:arm64 libgtest-dev:arm64 qemu-user-static binfmt-support)
step "packages"
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
    echo "adding the arm64 package architecture"
    $sudo dpkg --add-architecture arm64
    apt_get update
fi
missing=()
for package in "${GAME_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${ARM64_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    apt_get update
    apt_get install -y --no-install-recommends "${missing[@]}" \
        || fail "could not install ${missing[*]}"
fi

# qemu starts arm64 programs through the kernel's binfmt_misc, which a
# machine without systemd may not have mounted.
step "qemu for arm64 programs (binfmt_misc)"
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -e "$binfmt/register" ]; then
    $sudo mount -t binfmt_misc binfmt_misc "$binfmt" || fail "cannot mount $binfmt"
fi
if [ ! -e "$binfmt/qemu-aarch64" ]; then
    $sudo update-binfmts --enable qemu-aarch64 || fail "update-binfmts cannot register qemu-aarch64"
fi
grep -qx enabled "$binfmt/qemu-aarch64" || fail "qemu-aarch64 is registered but not enabled"

build_both arm64

step "tests under qemu (all but the real-window ones)"
ctest --preset arm64 -j"$jobs"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

step "the generated pictures and sounds are the same on both"
same_generated_files arm64

step "the golden game on arm64"
[ "$(file -b build/arm64/game/farhaven | cut -d, -f2)" = " ARM aarch64" ] \
    || fail "build/arm64/game/farhaven is not an arm64 program: $(file -b build/arm64/game/farhaven)"
golden_game arm64 arm64

step "recordings travel: amd64 to arm64 and back"
recordings_travel arm64 arm64 amd64

step "the arm64 Debian package"
rm -f build/arm64/farhaven_*.deb
cmake --build --preset arm64 --target package >/dev/null
version=$(sed -n '1s/^farhaven (\([^)]*\)).*/\1/p' tools/install/changelog)
package="build/arm64/farhaven_${version}_arm64.deb"
[ -f "$package" ] || fail "no $package: $(ls build/arm64/*.deb 2>&1)"
[ "$(dpkg-deb -f "$package" Architecture)" = arm64 ] || fail "$package is not of arm64"
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for needed in libsdl2-2.0-0 libsdl2-ttf-2.0-0 libsdl2-image-2.0-0 libc6 fonts-dejavu-core; do
    [[ "$depends" == *"$needed"* ]] || fail "$package does not depend on $needed"
done
lintian_said=$(lintian --fail-on error,warning --display-info "$package") \
    || fail "lintian on $package: $lintian_said"
[[ "$lintian_said" != *hardening* ]] || fail "lintian on $package: $lintian_said"
echo "lintian: ${lintian_said:-nothing to say}"

# Unpacked, and played through its launcher from the player's own folder.
dpkg-deb -x "$package" "$work/unpacked"
mkdir -p "$work/data/farhaven" "$work/player"
cp "$golden/quorlat.ctl" "$work/data/farhaven/"
(cd "$work/player" && XDG_DATA_HOME="$work/data" timeout -s KILL 600 \
    "$work/unpacked/usr/games/farhaven" --headless --keys "$root/$golden/game.keys" \
    --log game.log </dev/null >/dev/null 2>errors.txt) \
    || fail "the unpacked package's launcher: $(head -c 500 "$work/player/errors.txt")"
same "$work/player/game.log" "$golden/game.log" "the golden log through the arm64 package's launcher"

step "passed in $(($(date +%s) - started)) s"
