// `--record`: a run's keys and window events written as a key script that,
// given to `--keys`, plays the same game again, however the first one ended.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

struct Recording {
    const char* name;
    const char* keys;
    std::vector<std::string> options;  // given to the run and its replay alike
    int exitCode;
    const char* recorded;  // the end of the recording
};

const Recording kRecordings[] = {
    {"MergedIntoRanges",
     "1-30 RIGHT\n10-12 space\n20 MOUSE 300 200\n"
     "31-34 LEFT\n31 UNACQUIRE\n"  // the keyboard is lost after 31: 32 reads nothing
     "40-44 s\n41 MOUSE 0 0 ACTIVATE\n50-52 UP\n50-51 DOWN\n60 R\n90 CLOSE\n",
     {},
     0,
     "# Far Haven key script, version 1\n1-9 RIGHT\n10-12 RIGHT SPACE\n13-30 RIGHT\n"
     "20 MOUSE 300 200\n31 LEFT\n31 UNACQUIRE\n33-34 LEFT\n40-44 S\n41 MOUSE 0 0 ACTIVATE\n"
     "50-51 UP DOWN\n52 UP\n60 R\n90 CLOSE\n# the run ended in frame 90\n"},
    {"FramesRunOut",
     "1-80 RIGHT\n",
     {"--frames", "50"},
     0,
     "1-50 RIGHT\n# the run ended in frame 50\n"},
    {"EscapeIsHeld",
     "1-20 LEFT\n21-25 ESC\n",
     {},
     0,
     "1-20 LEFT\n21 ESC\n# the run ended in frame 21\n"},
    // Every shot and roamie gets a surface of its own; from the twentieth on
    // they fail, and the error handler ends the game.
    {"AHandlerFails",
     "1-30 RIGHT\n31+ SPACE\n",
     {"--fail", "ddraw.surface@20"},
     1,
     "1-19 RIGHT\n# the run ended in frame 19\n"},
};

class KeyRecording : public ::testing::TestWithParam<Recording> {};

TEST_P(KeyRecording, TheFileIsCompleteAndReplaysTheSameGame) {
    const Recording& recording = GetParam();
    RunFolder folder;
    folder.Write("played.keys", recording.keys);
    auto with = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), recording.options.begin(), recording.options.end());
        return arguments;
    };
    GameResult played =
        folder.Run(with({"--headless", "--keys", "played.keys", "--record", "recorded.keys"}));
    ASSERT_EQ(played.exitCode, recording.exitCode) << played.errors;
    EXPECT_TRUE(ReadFile(folder.path() / "recorded.keys").ends_with(recording.recorded))
        << ReadFile(folder.path() / "recorded.keys");
    GameResult replayed = folder.Run(with({"--headless", "--keys", "recorded.keys"}));
    EXPECT_EQ(replayed.exitCode, recording.exitCode) << replayed.errors;
    EXPECT_GT(played.log.size(), 1000u);
    EXPECT_TRUE(played.log == replayed.log) << "the replay's log differs from the run's";
}

INSTANTIATE_TEST_SUITE_P(Runs, KeyRecording, ::testing::ValuesIn(kRecordings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
