# Cross-building for Windows x64 on an amd64 Debian machine with Debian's
# MinGW-w64 (the posix thread model, for std::thread and std::mutex) and the
# game's libraries built from Debian's own sources by tools/windows/deps.sh
# into build/windows-deps. Wine runs the programs the build runs itself (the
# resource generator, GoogleTest listing its tests) and the tests under CTest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(FARHAVEN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FARHAVEN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FARHAVEN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${FARHAVEN_MINGW}-windres)

# The libraries built for Windows, never the machine's own.
get_filename_component(FARHAVEN_WINDOWS_PREFIX
  "${CMAKE_CURRENT_LIST_DIR}/../../build/windows-deps/${FARHAVEN_MINGW}" ABSOLUTE)
set(CMAKE_FIND_ROOT_PATH /usr/${FARHAVEN_MINGW} ${FARHAVEN_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} "${FARHAVEN_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Everything is linked into the one program: no DLL to ship or to find, the
# libraries' private dependencies (Windows' own) come from pkg-config --static.
set(PKG_CONFIG_ARGN --static)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine in the project's own Wine folder (build/windows-wine).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../windows/wine.sh)
