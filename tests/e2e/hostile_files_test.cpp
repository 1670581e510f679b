// The program given damaged or hostile files where a player's own files sit:
// each run ends in play or in a message box and an orderly exit, never a
// crash or a hang.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

// Fires all the while, so that shots, hits and explosions use every image
// and sound.
constexpr const char* kBusyPlay = "1+ SPACE\n";

GameResult Play(RunFolder& folder, int frames) {
    folder.Write("keys.txt", kBusyPlay);
    return folder.Run({"--headless", "--keys", "keys.txt", "--frames", std::to_string(frames)});
}

// Play to the end, or one message box and the exit code of a handled error.
void ExpectPlayOrOneMessage(const GameResult& run, const std::string& what) {
    if (run.exitCode == 0) {
        EXPECT_EQ(run.errors, "") << what;
        return;
    }
    EXPECT_EQ(run.exitCode, 1) << what << ": " << run.errors;
    EXPECT_EQ(run.errors.rfind("Far Haven: ", 0), 0u) << what << ": " << run.errors;
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << what << ": " << run.errors;
}

TEST(HostileControlFile, ScreenSizesOfNoneBelowNoneOrHugeAreRefusedAsAnInvalidMode) {
    for (const char* line : {"HRES=0", "VRES=0", "HRES=-800", "VRES=-1", "VRES=100000"}) {
        RunFolder folder;
        folder.Write("quorlat.ctl", std::string("[VIDEO]\n") + line + "\n");
        GameResult run = folder.Run({"--headless", "--frames", "3"});
        EXPECT_EQ(run.exitCode, 1) << line;
        EXPECT_EQ(run.errors, "Far Haven: Invalid mode\n") << line;
    }
}

TEST(HostileControlFile, BinaryNoiseIsReadAsNoSettingsAndTheGamePlays) {
    std::mt19937 random(7);
    std::string noise(20000, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    RunFolder folder;
    folder.Write("quorlat.ctl", noise);
    GameResult run = Play(folder, 60);
    ExpectPlayOrOneMessage(run, "binary control file");
}

// Ten thousand lines, with keys, sections and values far longer than any
// buffer the reader might keep: the real settings after them still count.
TEST(HostileControlFile, HugeAndLongLinesDoNotHideTheSettingsAfterThem) {
    std::string text;
    const std::string longText(300, '9');
    for (int i = 0; i < 10000; ++i) {
        const std::string key = "KEY" + std::to_string(i);
        text += i % 100 == 0 ? "[" + longText + "]\n" + key + "=" + longText + "\n"
                             : key + "=" + std::string(20, 'x') + "\n";
    }
    text += "[VIDEO]\nHRES=" + longText + "\nVRES=768" + std::string(300, ' ') + "\n";
    text += "[GAME]\n" + longText + "=1\nDAMAGEPLAYER=" + longText + "\n";
    RunFolder folder;
    folder.Write("quorlat.ctl", text);
    GameResult run = folder.Run({"--headless", "--frames", "3"});
    // The long HRES wraps to a number no display has.
    EXPECT_EQ(run.errors, "Far Haven: Invalid mode\n");

    text.replace(text.find("HRES=" + longText), 5 + longText.size(), "HRES=800");
    folder.Write("quorlat.ctl", text);
    run = folder.Run({"--headless", "--frames", "3"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.log.find("background at 6, 90\n"), std::string::npos) << "VRES=768 was lost";
}

// Each image and sound cut short: empty, inside its header, and halfway.
TEST(HostileResources, EveryFileCutShortPlaysOrEndsInItsMessage) {
    RunFolder folder;
    const std::filesystem::path resources = folder.path() / "resources";
    for (const auto& entry : std::filesystem::directory_iterator(GameDirectory() / "resources")) {
        const std::string name = entry.path().filename().string();
        const std::string whole = ReadFile(entry.path());
        for (std::size_t cut : {std::size_t{0}, std::size_t{64}, whole.size() / 128 * 64}) {
            folder.Write("resources/" + name, whole.substr(0, cut));
            ExpectPlayOrOneMessage(Play(folder, 60), name + " cut at " + std::to_string(cut));
        }
        folder.Write("resources/" + name, whole);
    }
}

TEST(HostileResources, AnImageClaimingFourBillionPixelsIsNotLoaded) {
    RunFolder folder;
    std::string header(18, '\0');
    header[2] = 2;
    header[12] = header[13] = header[14] = header[15] = '\xFF';
    header[16] = 16;
    folder.Write("resources/bship.tga", header);
    GameResult run = folder.Run({"--headless", "--frames", "3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, "Far Haven: Failed to load imgship!\n");
}

TEST(HostileResources, ASoundClaimingFourGigabytesOfSamplesPlaysWhatItHas) {
    RunFolder folder;
    const std::filesystem::path cannon = folder.path() / "resources" / "cannon2.wav";
    std::string wave = ReadFile(cannon);
    const std::size_t data = wave.find("data");
    ASSERT_NE(data, std::string::npos);
    wave.replace(data + 4, 4, "\xFF\xFF\xFF\xFF");
    folder.Write("resources/cannon2.wav", wave);
    GameResult run = Play(folder, 60);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
}

}  // namespace
