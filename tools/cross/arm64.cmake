# Cross-building for arm64 (aarch64) on an amd64 Debian machine with
# Debian's own cross compiler (crossbuild-essential-arm64) and the game's
# libraries of the arm64 architecture (multiarch: libsdl2-dev:arm64 and the
# rest, in /usr/lib/aarch64-linux-gnu). tools/check-arm64.sh installs them.
#
# qemu runs the arm64 programs the build runs itself (the resource
# generator, GoogleTest listing its tests) and the tests under CTest.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

find_program(FARHAVEN_QEMU qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${FARHAVEN_QEMU})

# The arm64 libraries' .pc files, never the machine's own.
set(PKG_CONFIG_EXECUTABLE aarch64-linux-gnu-pkg-config CACHE FILEPATH "pkg-config for arm64")

# Debian's name for the architecture: its hardening flags, and the package's.
set(FARHAVEN_DEB_HOST_ARCH arm64)
