// The player's files reach the disk before the game says it is done with
// them: each is synced before it is closed, and a screenshot is synced
// beside its place before it takes it, so that a power cut at any moment
// leaves the old file or the whole new one. Seen from outside, as the
// system calls the program makes (strace).
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

std::string InFolder(const std::string& path, const std::string& folder) {
    return path.starts_with(folder) ? path.substr(folder.size()) : path;
}

struct Call {
    std::string name;  // "openat", "fsync", "close", "rename"
    std::vector<std::string> paths;
    int descriptor = -1;  // the one it takes, or opened
};

// The calls of the trace that name a file or a descriptor, with the files
// of the folder named as in it.
std::vector<Call> ReadTrace(const std::string& trace, const std::string& folder) {
    static const std::regex kOpen(R"re(openat\(AT_FDCWD, "([^"]+)", [^)]*\) = (\d+))re");
    static const std::regex kOnDescriptor(R"re((fsync|close)\((\d+)\) += 0)re");
    static const std::regex kRename(
        R"re(rename(?:at2?)?\((?:AT_FDCWD, )?"([^"]+)", (?:AT_FDCWD, )?"([^"]+)".*= 0)re");
    std::vector<Call> calls;
    std::istringstream lines(trace);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_search(line, match, kOpen)) {
            calls.push_back({"openat", {InFolder(match[1], folder)}, std::stoi(match[2])});
        } else if (std::regex_search(line, match, kOnDescriptor)) {
            calls.push_back({match[1], {}, std::stoi(match[2])});
        } else if (std::regex_search(line, match, kRename)) {
            calls.push_back({"rename", {InFolder(match[1], folder), InFolder(match[2], folder)}});
        }
    }
    return calls;
}

TEST(FilesOnDisk, EveryFileThePlayerNamedIsSyncedBeforeItIsClosedOrPutInPlace) {
    if (std::system("strace -V >/dev/null 2>&1") != 0) {
        if (std::getenv("CI") != nullptr) FAIL() << "strace is missing (CI needs it)";
        GTEST_SKIP() << "strace is missing";
    }
    RunFolder folder;
    folder.CopyResources();
    std::string where = folder.path().string() + "/";
    std::string command = "cd " + ShellQuote(folder.path().string()) +
                          " && strace -f -qq -o trace.txt -e trace=openat,fsync,close,rename,"
                          "renameat,renameat2 ./farhaven --headless --frames 30 --log game.log "
                          "--record run.keys --audio-out sound.wav --screenshot shot.png";
    auto [exitCode, said] = Output(command);
    ASSERT_EQ(exitCode, 0) << said;

    // Which file each descriptor holds, as the program opens and closes them.
    std::map<int, std::string> open;
    std::map<std::string, bool> synced;  // at its close or rename
    std::map<std::string, bool> closedSynced;
    bool screenshotPutInPlaceSynced = false;
    for (const Call& call : ReadTrace(ReadFile(folder.path() / "trace.txt"), where)) {
        if (call.name == "openat") {
            open[call.descriptor] = call.paths[0];
            synced[call.paths[0]] = false;
        } else if (call.name == "fsync" && open.count(call.descriptor)) {
            synced[open[call.descriptor]] = true;
        } else if (call.name == "close" && open.count(call.descriptor)) {
            closedSynced[open[call.descriptor]] = synced[open[call.descriptor]];
            open.erase(call.descriptor);
        } else if (call.name == "rename" && call.paths[1] == "shot.png") {
            screenshotPutInPlaceSynced = closedSynced[call.paths[0]];
        }
    }
    for (const char* name : {"game.log", "run.keys", "sound.wav"}) {
        EXPECT_TRUE(closedSynced[name]) << name << " was closed without being synced";
    }
    EXPECT_TRUE(screenshotPutInPlaceSynced)
        << "the screenshot took its place before it was on the disk";
}

}  // namespace
