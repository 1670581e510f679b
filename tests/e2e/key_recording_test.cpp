// `--record`: a run's keys and window events written as a key script that,
// given to `--keys`, plays the same game again, however the first one ended.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

std::vector<std::string> Concat(std::vector<std::string> first,
                                const std::vector<std::string>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST(KeyRecording, ARecordedRunReplaysToTheSameLogWithItsFramesMergedIntoRanges) {
    RunFolder folder;
    folder.Write("played.keys",
                 "# what a player might do\n"
                 "1-30 RIGHT\n"
                 "10-12 space          # firing on the move\n"
                 "20 MOUSE 300 200\n"
                 "31-34 LEFT           # the keyboard is lost after frame 31: 32 reads nothing\n"
                 "31 UNACQUIRE\n"
                 "40-44 s\n"
                 "41 MOUSE 0 0 ACTIVATE\n"
                 "50-52 UP\n"
                 "50-51 DOWN\n"
                 "60 R\n"
                 "90 CLOSE\n");
    GameResult played =
        folder.Run({"--headless", "--keys", "played.keys", "--record", "recorded.keys"});
    ASSERT_EQ(played.exitCode, 0) << played.errors;
    EXPECT_EQ(ReadFile(folder.path() / "recorded.keys"),
              "# Far Haven key script, version 1\n"
              "1-9 RIGHT\n"
              "10-12 RIGHT SPACE\n"
              "13-30 RIGHT\n"
              "20 MOUSE 300 200\n"
              "31 LEFT\n"
              "31 UNACQUIRE\n"
              "33-34 LEFT\n"
              "40-44 S\n"
              "41 MOUSE 0 0 ACTIVATE\n"
              "50-51 UP DOWN\n"
              "52 UP\n"
              "60 R\n"
              "90 CLOSE\n"
              "# the run ended in frame 90\n");

    GameResult replayed = folder.Run({"--headless", "--keys", "recorded.keys"});
    EXPECT_EQ(replayed.exitCode, 0) << replayed.errors;
    EXPECT_GT(played.log.size(), 10000u);
    EXPECT_TRUE(played.log == replayed.log) << "the replay's log differs from the run's";
}

struct Ending {
    const char* name;
    const char* keys;
    std::vector<std::string> options;  // given to the run and its replay alike
    int exitCode;
    const char* lastWords;  // of the recording's last lines
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << ending.name;
}

class RecordingEnds : public ::testing::TestWithParam<Ending> {};

TEST_P(RecordingEnds, TheFileIsCompleteAndReplaysTheSameGame) {
    const Ending& ending = GetParam();
    RunFolder folder;
    folder.Write("played.keys", ending.keys);
    GameResult played = folder.Run(Concat(
        {"--headless", "--keys", "played.keys", "--record", "recorded.keys"}, ending.options));
    ASSERT_EQ(played.exitCode, ending.exitCode) << played.errors;
    std::string recorded = ReadFile(folder.path() / "recorded.keys");
    EXPECT_NE(recorded.find(ending.lastWords), std::string::npos) << recorded;

    GameResult replayed =
        folder.Run(Concat({"--headless", "--keys", "recorded.keys"}, ending.options));
    EXPECT_EQ(replayed.exitCode, ending.exitCode) << replayed.errors;
    EXPECT_TRUE(played.log == replayed.log) << "the replay's log differs from the run's";
}

INSTANTIATE_TEST_SUITE_P(
    Endings, RecordingEnds,
    ::testing::Values(Ending{"FramesRunOut",
                             "1-80 RIGHT\n",
                             {"--frames", "50"},
                             0,
                             "1-50 RIGHT\n# the run ended in frame 50\n"},
                      Ending{"EscapeIsHeld",
                             "1-20 LEFT\n21-25 ESC\n",
                             {},
                             0,
                             "1-20 LEFT\n21 ESC\n# the run ended in frame 21\n"},
                      // Every shot and roamie gets a surface of its own; from the
                      // twentieth on they fail, and the error handler ends the game.
                      Ending{"AHandlerFails",
                             "1-30 RIGHT\n31+ SPACE\n",
                             {"--fail", "ddraw.surface@20"},
                             1,
                             "1-19 RIGHT\n# the run ended in frame 19\n"}),
    [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

TEST(KeyRecording, AFileThatCannotBeWrittenStopsTheGameBeforeItStarts) {
    RunFolder folder;
    GameResult run = folder.Run({"--headless", "--record", "no-such-folder/recorded.keys"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find("farhaven: no-such-folder/recorded.keys: cannot write the key "
                              "recording (No such file or directory)"),
              std::string::npos)
        << run.errors;
    EXPECT_EQ(run.log, "") << "the game started";
}

}  // namespace
