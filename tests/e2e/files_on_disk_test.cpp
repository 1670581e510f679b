// The player's files reach the disk before the game says it is done with
// them: each is synced before it is closed, and a screenshot is synced
// beside its place before it takes it, so that a power cut at any moment
// leaves the old file or the whole new one. Seen from outside, as the
// system calls the program makes (strace, which names each descriptor's
// file).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "support/game_run.h"

namespace {

// The name of the file a traced call works on: the first one it quotes
// (a rename may name its folder's descriptor before it), or the one its
// descriptor holds.
std::string FileOf(const std::string& call) {
    std::size_t open = call.find('<'), quote = call.find('"');
    bool quoted = quote != std::string::npos;
    std::size_t start = quoted ? quote : open;
    std::size_t end = call.find(quoted ? '"' : '>', start + 1);
    if (start == std::string::npos || end == std::string::npos) return {};
    return std::filesystem::path(call.substr(start + 1, end - start - 1)).filename().string();
}

TEST(FilesOnDisk, EveryFileThePlayerNamedIsSyncedBeforeItIsClosedOrPutInPlace) {
    if (std::system("strace -V >/dev/null 2>&1") != 0) {
        if (std::getenv("CI") != nullptr) FAIL() << "strace is missing (CI needs it)";
        GTEST_SKIP() << "strace is missing";
    }
    RunFolder folder;
    // The leak checker cannot work in a traced program (the sanitizers'
    // build): the other tests look for leaks.
    auto [exitCode, said] =
        Output("cd " + ShellQuote(folder.path().string()) +
               " && ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_leaks=0\" strace -f -qq -y -o trace.txt "
               "-e trace=fsync,close,rename,renameat,renameat2 ./farhaven --headless --frames 30 "
               "--log game.log --record run.keys --audio-out sound.wav --screenshot shot.png");
    ASSERT_EQ(exitCode, 0) << said;

    std::map<std::string, bool> synced, syncedWhenClosed;
    bool screenshotSyncedWhenPutInPlace = false;
    std::istringstream calls(ReadFile(folder.path() / "trace.txt"));
    for (std::string call; std::getline(calls, call);) {
        std::string file = FileOf(call);
        if (call.find(" = 0") == std::string::npos || file.empty()) continue;
        if (call.find("fsync(") != std::string::npos) synced[file] = true;
        if (call.find("close(") != std::string::npos) syncedWhenClosed[file] = synced[file];
        if (call.find("rename") != std::string::npos &&
            call.find("shot.png\"") != std::string::npos) {
            screenshotSyncedWhenPutInPlace = syncedWhenClosed[file];
        }
    }
    for (const char* file : {"game.log", "run.keys", "sound.wav"}) {
        EXPECT_TRUE(syncedWhenClosed[file]) << file << " was closed without being synced";
    }
    EXPECT_TRUE(screenshotSyncedWhenPutInPlace)
        << "the screenshot took its place before it was on the disk";
}

}  // namespace
