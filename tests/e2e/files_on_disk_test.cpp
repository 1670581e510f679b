// The player's files reach the disk before the game says it is done with
// them: each is synced before it is closed, and a screenshot is synced
// beside its place before it takes it, so that a power cut at any moment
// leaves the old file or the whole new one. Seen from outside, as the
// system calls the program makes (strace).
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
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

// The strings a line of the trace quotes, in order.
std::vector<std::string> Quoted(const std::string& line) {
    std::vector<std::string> strings;
    for (std::size_t open = line.find('"'); open != std::string::npos;) {
        std::size_t close = line.find('"', open + 1);
        if (close == std::string::npos) break;
        strings.push_back(line.substr(open + 1, close - open - 1));
        open = line.find('"', close + 1);
    }
    return strings;
}

// The calls of the trace that succeeded, with the files of the folder named
// as in it: "PID name(arguments) = result".
std::vector<Call> ReadTrace(const std::string& trace, const std::string& folder) {
    std::vector<Call> calls;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        // The process number is padded to a width.
        std::size_t nameAt = line.find_first_not_of(' ', line.find(' '));
        std::size_t argumentsAt = line.find('(');
        std::size_t resultAt = line.rfind(" = ");
        if (nameAt == std::string::npos || argumentsAt == std::string::npos ||
            resultAt == std::string::npos || line.compare(resultAt + 3, 1, "-") == 0) {
            continue;
        }
        Call call{line.substr(nameAt, argumentsAt - nameAt), {}, -1};
        for (const std::string& path : Quoted(line)) call.paths.push_back(InFolder(path, folder));
        if (call.name.starts_with("rename")) call.name = "rename";
        bool onDescriptor = call.name == "fsync" || call.name == "close";
        std::string number =
            onDescriptor ? line.substr(argumentsAt + 1) : line.substr(resultAt + 3);
        call.descriptor = std::atoi(number.c_str());
        calls.push_back(call);
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
    // The leak checker cannot work in a traced program (the sanitizers'
    // build): the other tests look for leaks.
    std::string where = folder.path().string() + "/";
    std::string command = "cd " + ShellQuote(folder.path().string()) +
                          " && ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" strace -f -qq -o "
                          "trace.txt -e trace=openat,fsync,close,rename,"
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
