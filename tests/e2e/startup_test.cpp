// The finished program, run headless from a folder of its own as a player
// or a packager would run it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

// Where each line stands in the log, or npos.
std::size_t At(const std::string& log, const std::string& line) {
    return log.find(line + "\n");
}

void ExpectInOrder(const std::string& log, const std::vector<std::string>& lines) {
    std::size_t from = 0;
    for (const std::string& line : lines) {
        std::size_t at = log.find(line + "\n", from);
        ASSERT_NE(at, std::string::npos) << "missing, or out of order: " << line;
        from = at + line.size();
    }
}

TEST(StartUp, ANormalStartLogsItsStepsInOrderAndBuildsTheWorld) {
    RunFolder folder;
    GameResult run = folder.Run({"--headless", "--frames", "2"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ExpectInOrder(run.log, {"draw manager ", "sound manager", "playing resource", "center text",
                            "fade in text", "initialized", "background at 6, 6",
                            "image height = 589, image width = 789", "before frame"});
    EXPECT_EQ(run.errors, "");
}

TEST(StartUp, TheTitleRowAndThePlayerFollowTheScreenHeight) {
    RunFolder folder;
    folder.Write("quorlat.ctl", "[VIDEO]\nVRES=768\n");
    GameResult run = folder.Run({"--headless", "--frames", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    // The background is centred on the taller screen.
    EXPECT_NE(At(run.log, "background at 6, 90"), std::string::npos) << run.log.substr(0, 2000);
}

TEST(StartUp, AMissingImageIsReportedAfterAllSixWereTried) {
    RunFolder folder;
    folder.CopyResources({"boom.tga"});
    GameResult run = folder.Run({"--headless"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, "Far Haven: Failed to load booms!\n");
    EXPECT_EQ(At(run.log, "before frame"), std::string::npos);
}

TEST(StartUp, TheFirstMissingImageInLoadOrderNamesTheFailure) {
    RunFolder folder;
    folder.CopyResources({"invader1.tga", "boom.tga"});
    GameResult run = folder.Run({"--headless"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, "Far Haven: Failed to load imginvader!\n");
}

TEST(StartUp, AKeyboardFailureComesAfterTheTitleAndBeforeAnyImage) {
    RunFolder folder;
    GameResult run = folder.Run({"--headless", "--fail", "dinput.acquire"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, "Far Haven: Failed to create input device!\n");
    ExpectInOrder(run.log, {"fade in text", "Failed to acquire device (keyboard)!"});
    EXPECT_EQ(At(run.log, "initialized"), std::string::npos);
    EXPECT_EQ(At(run.log, "background at 6, 6"), std::string::npos);
}

TEST(StartUp, ADisplayModeFailureShowsItsCodesText) {
    RunFolder folder;
    GameResult run = folder.Run({"--headless", "--fail", "ddraw.mode=88760078"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, "Far Haven: Invalid mode\n");
    EXPECT_EQ(At(run.log, "draw manager "), std::string::npos);
}

TEST(StartUp, AnUnreasonableScreenSizeIsRefusedAsAnInvalidMode) {
    RunFolder folder;
    folder.Write("quorlat.ctl", "[VIDEO]\nHRES=100000\n");
    GameResult run = folder.Run({"--headless"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errors, "Far Haven: Invalid mode\n");
}

TEST(StartUp, ASoundDeviceFailureIsLoggedAndReported) {
    RunFolder folder;
    GameResult run = folder.Run({"--headless", "--fail", "dsound.create"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(At(run.log, "Failed to create direct sound object"), std::string::npos);
    EXPECT_EQ(run.errors, "Far Haven: Unknown error\n");  // a generic failure code
}

TEST(StartUp, MissingSoundsLeaveTheGameSilentButPlaying) {
    RunFolder folder;
    folder.CopyResources({"impskies.wav", "cannon2.wav", "electri2.wav"});
    GameResult run = folder.Run({"--headless", "--frames", "3"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(At(run.log, "playing resource"), std::string::npos);
}

TEST(StartUp, NoSoundPlaysTheGameInSilenceAndSaysSoOnce) {
    RunFolder folder;
    folder.Write("keys.txt", "1-100 SPACE\n");  // shots that would be heard
    GameResult run =
        folder.Run({"--headless", "--no-sound", "--keys", "keys.txt", "--frames", "120"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    const std::string silent = "no audio output: sound is silent (turned off with --no-sound)";
    ExpectInOrder(run.log, {silent, "sound manager", "playing resource", "before frame"});
    EXPECT_EQ(run.log.find(silent, At(run.log, silent) + 1), std::string::npos) << "said twice";
    EXPECT_EQ(run.errors, "");
}

TEST(Play, ASurfaceFailureDuringPlayEndsInTheMessageAndAFullShutdown) {
    RunFolder folder;
    // Start-up makes its sprites; the first roamie's surface then fails.
    folder.Write("keys.txt", "1+ SPACE\n");
    GameResult run =
        folder.Run({"--headless", "--keys", "keys.txt", "--fail", "ddraw.surface=8876017C@18"});
    EXPECT_EQ(run.exitCode, 1) << run.errors;
    EXPECT_EQ(run.errors, "Far Haven: Out of Video Memory\n");
    EXPECT_NE(At(run.log, "before frame"), std::string::npos);
}

TEST(Play, EscapeEndsTheGameAfterTheFarewell) {
    RunFolder folder;
    folder.Write("keys.txt", "# leave at once\n3 ESC\n");
    GameResult run = folder.Run({"--headless", "--keys", "keys.txt"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    ExpectInOrder(run.log, {"[ESC] pressed", "fadeintext: THANK YOU", "fadeouttext: THANK YOU"});
}

TEST(Play, DeactivationEndsTheGameQuietly) {
    RunFolder folder;
    folder.Write("keys.txt", "5 DEACTIVATE\n");
    GameResult run = folder.Run({"--headless", "--keys", "keys.txt"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
}

TEST(CommandLine, ABadKeyScriptLineIsNamedAndEndsTheProgramBeforeStartUp) {
    RunFolder folder;
    folder.Write("keys.txt", "1 SPACE\n2 JUMP\n");
    GameResult run = folder.Run({"--headless", "--keys", "keys.txt"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find("keys.txt:2:"), std::string::npos) << run.errors;
    EXPECT_EQ(run.log, "");
}

TEST(CommandLine, AnUnknownOptionPrintsTheUsage) {
    RunFolder folder;
    GameResult run = folder.Run({"--bogus"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find("usage: farhaven"), std::string::npos);
}

TEST(Replay, TheSameScriptGivesTheSameLogByteForByte) {
    RunFolder folder;
    folder.Write("keys.txt", "1-40 RIGHT\n41-80 SPACE\n81-90 S\n91-200 LEFT SPACE\n201-300 UP\n");
    GameResult first = folder.Run({"--headless", "--keys", "keys.txt", "--frames", "400"});
    GameResult second = folder.Run({"--headless", "--keys", "keys.txt", "--frames", "400"});
    EXPECT_EQ(first.exitCode, 0) << first.errors;
    EXPECT_GT(first.log.size(), 10000u);
    EXPECT_EQ(first.log, second.log);
}

}  // namespace
