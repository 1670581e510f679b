// The finished program, run headless from a folder of its own as a player
// or a packager would run it: how it starts, how it ends, and what it says
// when something is missing, failing or wrong.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

struct Start {
    const char* what;
    std::vector<std::string> arguments;
    std::string controlFile;         // written when not empty
    std::string keys;                // written as keys.txt when not empty
    std::set<std::string> leaveOut;  // resources not copied
    int exitCode;
    std::string errors;                     // standard error, exactly
    std::vector<std::string> inOrder = {};  // lines of the log, in this order
    std::string absent = {};                // a line the log must not hold
};

const std::string kSilent = "no audio output: sound is silent (turned off with --no-sound)";

// One start a row or two, as a table reads best.
// clang-format off
const Start kStarts[] = {
    {"a normal start", {"--frames", "2"}, "", "", {}, 0, "",
     {"draw manager ", "sound manager", "playing resource", "center text", "fade in text",
      "initialized", "background at 6, 6", "image height = 589, image width = 789", "before frame"}},
    // A byte-order mark before the first section does not hide it.
    {"a taller screen", {"--frames", "1"}, "\xEF\xBB\xBF[VIDEO]\nVRES=768\n", "", {}, 0, "",
     {"background at 6, 90"}},
    {"a missing image", {}, "", "", {"boom.tga"}, 1, "Far Haven: Failed to load booms!\n", {},
     "before frame"},
    {"the first missing image", {}, "", "", {"invader1.tga", "boom.tga"}, 1,
     "Far Haven: Failed to load imginvader!\n"},
    {"missing sounds", {"--frames", "3"}, "", "", {"impskies.wav", "cannon2.wav", "electri2.wav"},
     0, "", {"playing resource", "before frame"}},
    {"no sound", {"--no-sound", "--frames", "120"}, "", "1-100 SPACE\n", {}, 0, "",
     {kSilent, "sound manager", "playing resource", "before frame"}},
    {"a keyboard failure", {"--fail", "dinput.acquire"}, "", "", {}, 1,
     "Far Haven: Failed to create input device!\n",
     {"fade in text", "Failed to acquire device (keyboard)!"}, "initialized"},
    {"a display mode failure", {"--fail", "ddraw.mode=88760078"}, "", "", {}, 1,
     "Far Haven: Invalid mode\n", {}, "draw manager "},
    {"a sound device failure", {"--fail", "dsound.create"}, "", "", {}, 1,
     "Far Haven: Unknown error\n", {"Failed to create direct sound object"}},
    {"a surface failure in play", {"--fail", "ddraw.surface=8876017C@18"}, "", "1+ SPACE\n", {}, 1,
     "Far Haven: Out of Video Memory\n", {"before frame"}},
    {"switching away", {}, "", "5 DEACTIVATE\n", {}, 0, "", {"before frame"}, "[ESC] pressed"},
    {"a screen too wide", {}, "[VIDEO]\nHRES=100000\n", "", {}, 1, "Far Haven: Invalid mode\n"},
    {"no width", {}, "[VIDEO]\nHRES=0\n", "", {}, 1, "Far Haven: Invalid mode\n"},
    {"a negative height", {}, "[VIDEO]\nVRES=-1\n", "", {}, 1, "Far Haven: Invalid mode\n"},
    // 32-bit extremes are computed as the game keeps them, 16-bit health and
    // a count that wraps: the sanitizers' build stops on an overflow.
    {"hostile damage and shield values", {"--frames", "400"},
     "[GAMEPLAY]\nDAMAGEENEMY=-2147483648\nDAMAGEPLAYER=-2147483648\nSHIELDCOUNT=-2147483648\n",
     "1-3 RIGHT\n4-200 SPACE\n201-250 UP\n251 S\n255-400 SPACE\n", {}, 0, "",
     {"Player hit!  Health = 100", "shield activated", "Enemy hit!  Health = 100"}},
    {"a bad key script line", {}, "", "1 SPACE\n2 JUMP\n", {}, 2,
     "farhaven: keys.txt:2: 'JUMP' is neither a key nor an event\n"},
    {"a recording that cannot be written", {"--record", "no-such-folder/r.keys"}, "", "", {}, 2,
     "farhaven: no-such-folder/r.keys: cannot write the key recording (No such file or directory)\n"},
};
// clang-format on

void PrintTo(const Start& start, std::ostream* out) {
    *out << start.what;
}

class Starts : public ::testing::TestWithParam<Start> {};

TEST_P(Starts, EndAsTheySayWithTheirLinesInOrder) {
    const Start& start = GetParam();
    RunFolder folder;
    if (!start.controlFile.empty()) folder.Write("quorlat.ctl", start.controlFile);
    if (!start.leaveOut.empty()) folder.CopyResources(start.leaveOut);
    std::vector<std::string> arguments = {"--headless"};
    if (!start.keys.empty()) {
        folder.Write("keys.txt", start.keys);
        arguments.insert(arguments.end(), {"--keys", "keys.txt"});
    }
    arguments.insert(arguments.end(), start.arguments.begin(), start.arguments.end());
    GameResult run = folder.Run(arguments);
    EXPECT_EQ(std::tuple(run.exitCode, run.errors), std::tuple(start.exitCode, start.errors));
    std::vector<std::string> lines = Lines(run.log);
    auto at = lines.begin();
    for (const std::string& line : start.inOrder) {
        at = std::find(at, lines.end(), line);
        ASSERT_NE(at, lines.end()) << "missing, or out of order: " << line;
    }
    EXPECT_TRUE(start.absent.empty() || CountLines(run.log, start.absent) == 0) << start.absent;
    EXPECT_TRUE(start.exitCode != 2 || run.log.empty()) << "the game started";
    EXPECT_TRUE(start.what != std::string("no sound") || CountLines(run.log, kSilent) == 1);
}

INSTANTIATE_TEST_SUITE_P(Program, Starts, ::testing::ValuesIn(kStarts),
                         [](const ::testing::TestParamInfo<Start>& info) {
                             // "a missing image" is named AMissingImage.
                             std::string name;
                             bool upper = true;
                             for (char c : std::string(info.param.what)) {
                                 if (std::isalnum(static_cast<unsigned char>(c))) {
                                     name += upper ? static_cast<char>(std::toupper(c)) : c;
                                 }
                                 upper = c == ' ';
                             }
                             return name;
                         });

TEST(CommandLine, AnUnknownOptionPrintsTheUsageAndExits2) {
    RunFolder folder;
    GameResult run = folder.Run({"--bogus"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find("usage: farhaven"), std::string::npos);
}

}  // namespace
