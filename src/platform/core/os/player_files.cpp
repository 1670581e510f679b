#include "platform/core/os/player_files.h"

#include <filesystem>
#include <string>
#include <vector>

#include "platform/api/start.h"
#include "platform/api/system.h"
#include "platform/core/os/file_identity.h"
#include "platform/core/os/utf8_path.h"

namespace platform {
namespace {

struct NamedFile {
    std::string option;  // "--log", or what an input is ("the key script")
    std::string path;
    std::string what;                                // what it holds, for messages
    StandardStream standard = StandardStream::None;  // what "-" means, if anything
};

FileIdentity IdentityOf(const NamedFile& file) {
    return platform::IdentityOf(file.path, file.standard);
}

std::string ControlFilePath() {
    std::string program = ExecutablePath();
    if (program.empty()) return {};
    // An installed game's control file is the player's copy, made here
    // on the first run, before any file is opened.
    std::string folder = ControlFileFolder(NameOf(PathOf(program).parent_path()));
    return NameOf(PathOf(folder) / "quorlat.ctl");
}

}  // namespace

void CheckPlayerFiles(const Options& options) {
    std::vector<NamedFile> outputs;
    auto output = [&](const char* option, const std::string& path, const char* what,
                      StandardStream standard) {
        if (!path.empty()) outputs.push_back({option, path, what, standard});
    };
    output("--log", options.logFile, "log file", StandardStream::Error);
    output("--record", options.recordFile, "key recording", StandardStream::None);
    output("--audio-out", options.audioOutFile, "sound file", StandardStream::Output);
    output("--screenshot", options.screenshotFile, "screenshot", StandardStream::None);
    std::vector<NamedFile> inputs;
    if (!options.keysFile.empty()) inputs.push_back({"--keys", options.keysFile, "key script"});
    if (std::string control = ControlFilePath(); !control.empty()) {
        inputs.push_back({"", control, "control file"});
    }

    for (std::size_t i = 0; i < outputs.size(); ++i) {
        FileIdentity identity = IdentityOf(outputs[i]);
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
        bool standard = file.path == "-" && file.standard != StandardStream::None;
        if (standard) continue;
        if (auto reason = WhyNotWritable(file.path, file.option == "--screenshot")) {
            throw BackendError(file.path + ": cannot write the " + file.what + " (" + *reason + ")",
                               kBadFileExitCode);
        }
    }
}

}  // namespace platform
