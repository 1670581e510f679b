#include "platform/core/os/control_file_place.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/api/start.h"
#include "platform/api/system.h"
#include "platform/core/os/utf8_path.h"
#include "platform/core/os/whole_file.h"

namespace platform {
namespace {

constexpr const char* kControlFileName = "quorlat.ctl";

// The copy is written whole or not at all (whole_file.h), so that a full
// disk never leaves a cut file that the next run would take for the
// player's own.
void CopyWhole(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::create_directories(to.parent_path(), error);
    std::ifstream source(from, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(source), std::istreambuf_iterator<char>()};
    if (!error && source && ReplaceWhole(NameOf(to), "control file", bytes)) return;
    throw BackendError("cannot copy the control file " + NameOf(from) + " to " + NameOf(to) +
                           (error ? ": " + error.message() : ""),
                       kBadFileExitCode);
}

}  // namespace

std::string ControlFolderFor(const std::string& programFolder, const std::string& playerFolder) {
    std::error_code error;
    if (playerFolder.empty() ||
        !std::filesystem::exists(PathOf(programFolder) / kInstalledMarker, error)) {
        return programFolder;
    }
    const std::filesystem::path installed = PathOf(programFolder) / kControlFileName;
    const std::filesystem::path own = PathOf(playerFolder) / kControlFileName;
    // With no file beside the program there is nothing to copy: the game
    // plays with its defaults, as it would beside the program.
    if (!std::filesystem::exists(own, error) && std::filesystem::exists(installed, error)) {
        CopyWhole(installed, own);
    }
    return playerFolder;
}

std::string ControlFileFolder(const std::string& programFolder) {
    return ControlFolderFor(programFolder, PlayerFolder());
}

}  // namespace platform
