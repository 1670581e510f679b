// The golden game: the program plays tests/golden/game.keys with the control
// file beside it, and must say exactly what it said when the stored log was
// made. When a change to the game is meant to change what it says, remake
// the log from this same run, and read the difference before committing it:
//   FARHAVEN_REMAKE_GOLDEN=1 build/default/tests/test_e2e --gtest_filter='Golden.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/game_run.h"
#include "support/headless_platform.h"

namespace {

TEST(Golden, AScriptedGameSaysExactlyWhatItSaidBefore) {
    const std::filesystem::path golden = FARHAVEN_SOURCE_DIR "/tests/golden";
    RunFolder folder;
    folder.Write("quorlat.ctl", ReadFile(golden / "quorlat.ctl"));
    GameResult run = folder.Run({"--headless", "--keys", (golden / "game.keys").string()});
    EXPECT_EQ(std::tuple(run.exitCode, run.errors), std::tuple(0, ""));
    if (std::getenv("FARHAVEN_REMAKE_GOLDEN") != nullptr) {
        std::ofstream(golden / "game.log", std::ios::binary) << run.log;
        GTEST_SKIP() << "remade " << (golden / "game.log").string();
    }
    std::vector<std::string> expected = Lines(ReadFile(golden / "game.log"));
    std::vector<std::string> said = Lines(run.log);
    ASSERT_GT(expected.size(), 5000u);
    auto [first, second] =
        std::mismatch(said.begin(), said.end(), expected.begin(), expected.end());
    EXPECT_TRUE(first == said.end() && second == expected.end())
        << "line " << (first - said.begin()) + 1 << ": said '"
        << (first == said.end() ? "(the end)" : *first) << "', the golden log has '"
        << (second == expected.end() ? "(the end)" : *second) << "'";
}

}  // namespace
