#include "platform/core/player_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/api/start.h"
#include "platform/api/system.h"

namespace platform {
namespace {

struct NamedFile {
    std::string option;  // "--log", or what an input is ("the key script")
    std::string path;
    std::string what;         // what it holds, for messages
    int standardStream = -1;  // what "-" means, if anything
};

// One file, however it is named: the system's own identity for a file that
// is there (so that `./a`, `a` and a link to it are one), the whole path
// with `.`, `..` and links in its folders resolved for one that is not yet.
struct Identity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string path;

    bool operator==(const Identity& other) const {
        if (exists != other.exists) return false;
        return exists ? device == other.device && inode == other.inode : path == other.path;
    }
};

// Where a file that is not there would be made: a link that points nowhere
// yet makes its target.
std::string PlaceOf(const std::string& name) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(name, error);
    for (int links = 0; links < 40 && std::filesystem::is_symlink(path, error); ++links) {
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = path.parent_path() / target;  // an absolute target replaces the folder
    }
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return (error ? path.lexically_normal() : resolved).string();
}

Identity IdentityOf(const NamedFile& file) {
    struct stat status {};
    bool standard = file.path == "-" && file.standardStream >= 0;
    if (standard ? ::fstat(file.standardStream, &status) == 0
                 : ::stat(file.path.c_str(), &status) == 0) {
        return {true, status.st_dev, status.st_ino, {}};
    }
    return {false, 0, 0, PlaceOf(file.path)};
}

// The null device takes anything from anyone: naming it twice loses nothing.
bool IsNullDevice(const Identity& identity) {
    struct stat null {};
    return identity.exists && ::stat("/dev/null", &null) == 0 && identity.device == null.st_dev &&
           identity.inode == null.st_ino;
}

// Why the file cannot be written, or nothing. The folder must take new
// files as well, for a file that is not there yet and for a screenshot,
// which is written beside its place first.
std::optional<int> WhyNotWritable(const NamedFile& file, bool besideToo) {
    if (file.path == "-" && file.standardStream >= 0) return std::nullopt;
    std::filesystem::path path(file.path);
    struct stat status {};
    bool exists = ::stat(file.path.c_str(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode)) return EISDIR;
    if (exists && ::access(file.path.c_str(), W_OK) != 0) return errno;
    if (exists && !besideToo) return std::nullopt;
    std::string folder = path.has_parent_path() ? path.parent_path().string() : ".";
    if (::stat(folder.c_str(), &status) != 0) return errno;
    if (!S_ISDIR(status.st_mode)) return ENOTDIR;
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return errno;
    return std::nullopt;
}

std::string ControlFilePath() {
    std::string program = ExecutablePath();
    if (program.empty()) return {};
    return (std::filesystem::path(program).parent_path() / "quorlat.ctl").string();
}

}  // namespace

void CheckPlayerFiles(const Options& options) {
    std::vector<NamedFile> outputs;
    auto output = [&](const char* option, const std::string& path, const char* what, int stream) {
        if (!path.empty()) outputs.push_back({option, path, what, stream});
    };
    output("--log", options.logFile, "log file", STDERR_FILENO);
    output("--record", options.recordFile, "key recording", -1);
    output("--audio-out", options.audioOutFile, "sound file", STDOUT_FILENO);
    output("--screenshot", options.screenshotFile, "screenshot", -1);
    std::vector<NamedFile> inputs;
    if (!options.keysFile.empty()) inputs.push_back({"--keys", options.keysFile, "key script"});
    if (std::string control = ControlFilePath(); !control.empty()) {
        inputs.push_back({"", control, "control file"});
    }

    for (std::size_t i = 0; i < outputs.size(); ++i) {
        Identity identity = IdentityOf(outputs[i]);
        if (IsNullDevice(identity)) continue;
        for (std::size_t j = 0; j < i; ++j) {
            if (IdentityOf(outputs[j]) == identity) {
                throw BackendError(outputs[j].option + " and " + outputs[i].option +
                                       " name the same file (" + outputs[i].path + ")",
                                   kBadFileExitCode);
            }
        }
        for (const NamedFile& input : inputs) {
            if (IdentityOf(input) == identity) {
                throw BackendError(
                    outputs[i].option + " would write over the " + input.what + " " + input.path,
                    kBadFileExitCode);
            }
        }
    }
    for (const NamedFile& file : outputs) {
        if (auto error = WhyNotWritable(file, file.option == "--screenshot")) {
            throw BackendError(
                file.path + ": cannot write the " + file.what + " (" + std::strerror(*error) + ")",
                kBadFileExitCode);
        }
    }
}

}  // namespace platform
