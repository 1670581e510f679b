// Where the game reads its control file. A game unpacked anywhere reads
// the one beside its program, where the player put it. A game an installer
// put in place (it leaves kInstalledMarker beside the program) reads the
// player's own copy in the system's folder for the player's files, which
// no install, upgrade or removal touches: the commented file beside the
// program is copied there the first time, and never over the player's copy.
//
// This header is the same on every system; the player's folder is found in
// the posix_ and windows_ files beside it.
#pragma once

#include <string>

namespace platform {

// The file an installer writes beside the program.
inline constexpr const char* kInstalledMarker = "installed.txt";

// The system's folder for the game's player's files, or empty where the
// game keeps none of its own: on Windows %APPDATA%\farhaven; on POSIX
// systems the installed game's launcher plays from the player's folder
// itself, which is then the program's.
std::string PlayerFolder();

// The folder of the control file for a program in programFolder, with the
// player's folder given; makes it and copies the control file into it when
// it is the player's folder and has none. Throws BackendError
// (kBadFileExitCode) naming the files when that cannot be done.
std::string ControlFolderFor(const std::string& programFolder, const std::string& playerFolder);

}  // namespace platform
