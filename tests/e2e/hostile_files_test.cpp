// The program given damaged or hostile files where a player's own files sit:
// each run ends in play or in a message box and an orderly exit, never a
// crash or a hang.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "support/game_run.h"

namespace {

// Plays 60 frames firing all the while, so that shots, hits and explosions
// use every image and sound: play to the end, or one message box and the
// exit code of a handled error.
void ExpectPlayOrOneMessage(RunFolder& folder, const std::string& what) {
    folder.Write("keys.txt", "1+ SPACE\n");
    GameResult run = folder.Run({"--headless", "--keys", "keys.txt", "--frames", "60"});
    if (run.exitCode == 0) {
        EXPECT_EQ(run.errors, "") << what;
        return;
    }
    EXPECT_EQ(run.exitCode, 1) << what << ": " << run.errors;
    EXPECT_TRUE(run.errors.starts_with("Far Haven: ")) << what << ": " << run.errors;
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << what << ": " << run.errors;
}

TEST(HostileFiles, AControlFileOfNoiseOrOfHugeLinesStillPlaysWithTheSettingsAfterThem) {
    RunFolder folder;
    std::mt19937 random(7);
    std::string noise(20000, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    folder.Write("quorlat.ctl", noise);
    ExpectPlayOrOneMessage(folder, "a control file of noise");

    // Ten thousand lines, with keys, sections and values far longer than any
    // buffer the reader might keep.
    std::string text;
    const std::string longText(300, '9');
    for (int i = 0; i < 10000; ++i) {
        text += i % 100 == 0 ? "[" + longText + "]\nKEY=" + longText + "\n" : "KEY=xxxxxxxx\n";
    }
    folder.Write("quorlat.ctl", text + "[VIDEO]\nVRES=768" + std::string(300, ' ') + "\n[GAME]\n" +
                                    longText + "=1\n");
    GameResult run = folder.Run({"--headless", "--frames", "3"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(CountLines(run.log, "background at 6, 90"), 1) << "VRES=768 was lost";
}

TEST(HostileFiles, EveryResourceCutShortPlaysOrEndsInItsMessage) {
    RunFolder folder;
    for (const auto& entry : std::filesystem::directory_iterator(GameDirectory() / "resources")) {
        const std::string name = entry.path().filename().string();
        const std::string whole = ReadFile(entry.path());
        for (std::size_t cut : {std::size_t{0}, std::size_t{64}, whole.size() / 128 * 64}) {
            folder.Write("resources/" + name, whole.substr(0, cut));
            ExpectPlayOrOneMessage(folder, name + " cut at " + std::to_string(cut));
        }
        folder.Write("resources/" + name, whole);
    }
}

TEST(HostileFiles, SizesClaimedPastAllReasonAreNotBelieved) {
    RunFolder folder;
    // A picture of 65535 × 65535 pixels, 8 GB: not loaded.
    std::string header(18, '\0');
    header[2] = 2;
    header[12] = header[13] = header[14] = header[15] = '\xFF';
    header[16] = 16;
    folder.Write("resources/bship.tga", header);
    GameResult run = folder.Run({"--headless", "--frames", "3"});
    EXPECT_EQ(std::tuple(run.exitCode, run.errors),
              std::tuple(1, "Far Haven: Failed to load imgship!\n"));
    folder.CopyResources();
    // Samples of 4 GB: refused, and the game plays on without that sound.
    std::string wave = ReadFile(folder.path() / "resources" / "cannon2.wav");
    wave.replace(wave.find("data") + 4, 4, "\xFF\xFF\xFF\xFF");
    folder.Write("resources/cannon2.wav", wave);
    ExpectPlayOrOneMessage(folder, "4 GB of samples");
}

}  // namespace
