// The headless key script: what its lines mean, and every kind of bad line.
#include "platform/headless/key_script.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/core/backend.h"
#include "platform/headless/headless_backend.h"

namespace {

using platform::KeyScript;
using platform::ScriptEvent;
namespace sc = platform::scancode;

platform::KeyState KeysAt(const KeyScript& script, std::uint32_t frame) {
    platform::KeyState keys{};
    script.AddKeysDown(frame, keys);
    return keys;
}

bool Down(const platform::KeyState& keys, std::uint8_t code) {
    return (keys[code] & platform::KEY_DOWN) != 0;
}

int KeysDownCount(const platform::KeyState& keys) {
    int count = 0;
    for (std::uint8_t key : keys) count += key != 0 ? 1 : 0;
    return count;
}

// The message of the error a bad script raises, checking its exit code.
std::string ErrorOf(const std::string& text) {
    try {
        KeyScript::Parse(text, "keys.txt");
    } catch (const platform::BackendError& error) {
        EXPECT_EQ(error.exitCode(), 2);
        return error.what();
    }
    return "(no error)";
}

TEST(KeyScript, SingleFramesRangesAndOpenRangesCoverTheirFrames) {
    KeyScript script = KeyScript::Parse("3 SPACE\n5-7 LEFT\n10+ UP\n", "keys.txt");
    EXPECT_EQ(KeysDownCount(KeysAt(script, 2)), 0);
    EXPECT_TRUE(Down(KeysAt(script, 3), sc::Space));
    EXPECT_EQ(KeysDownCount(KeysAt(script, 4)), 0);
    EXPECT_FALSE(Down(KeysAt(script, 4), sc::Left));
    EXPECT_TRUE(Down(KeysAt(script, 5), sc::Left));
    EXPECT_TRUE(Down(KeysAt(script, 7), sc::Left));
    EXPECT_FALSE(Down(KeysAt(script, 8), sc::Left));
    EXPECT_FALSE(Down(KeysAt(script, 9), sc::Up));
    EXPECT_TRUE(Down(KeysAt(script, 10), sc::Up));
    EXPECT_TRUE(Down(KeysAt(script, 4000000000u), sc::Up));
}

TEST(KeyScript, TheKeysOfEveryLineCoveringAFrameAreDownTogether) {
    KeyScript script = KeyScript::Parse("1-10 LEFT\n5 space S\n5+ r\n", "keys.txt");
    platform::KeyState keys = KeysAt(script, 5);
    EXPECT_TRUE(Down(keys, sc::Left));
    EXPECT_TRUE(Down(keys, sc::Space));
    EXPECT_TRUE(Down(keys, sc::S));
    EXPECT_TRUE(Down(keys, sc::R));
    EXPECT_EQ(KeysDownCount(keys), 4);
}

TEST(KeyScript, EveryKeyWordMapsToItsScanCodeWhateverItsCase) {
    KeyScript script =
        KeyScript::Parse("1 ESC r S up Down LEFT right Space\n2 a M q z\n3 1 9 0\n", "keys.txt");
    platform::KeyState first = KeysAt(script, 1);
    for (std::uint8_t code :
         {sc::Escape, sc::R, sc::S, sc::Up, sc::Down, sc::Left, sc::Right, sc::Space}) {
        EXPECT_TRUE(Down(first, code)) << int(code);
    }
    EXPECT_EQ(KeysDownCount(first), 8);
    platform::KeyState letters = KeysAt(script, 2);
    EXPECT_TRUE(Down(letters, sc::A));
    EXPECT_TRUE(Down(letters, sc::M));
    EXPECT_TRUE(Down(letters, sc::Q));
    EXPECT_TRUE(Down(letters, sc::Z));
    platform::KeyState digits = KeysAt(script, 3);
    EXPECT_TRUE(Down(digits, 0x02));  // 1
    EXPECT_TRUE(Down(digits, 0x0A));  // 9
    EXPECT_TRUE(Down(digits, sc::Digit0));
    EXPECT_EQ(KeysDownCount(digits), 3);
}

TEST(KeyScript, EventsComeInFileOrderAtTheEndOfTheirFrames) {
    KeyScript script = KeyScript::Parse(
        "4 deactivate SPACE activate\n"
        "2-4 MOUSE 65535 7\n"
        "4+ Unacquire\n"
        "6 CLOSE\n",
        "keys.txt");
    using Kind = ScriptEvent::Kind;
    EXPECT_TRUE(script.EventsAt(1).empty());
    EXPECT_EQ(script.EventsAt(2), (std::vector<ScriptEvent>{{Kind::Mouse, 65535, 7}}));
    EXPECT_EQ(script.EventsAt(4), (std::vector<ScriptEvent>{{Kind::Deactivate, 0, 0},
                                                            {Kind::Activate, 0, 0},
                                                            {Kind::Mouse, 65535, 7},
                                                            {Kind::Unacquire, 0, 0}}));
    EXPECT_EQ(script.EventsAt(6),
              (std::vector<ScriptEvent>{{Kind::Unacquire, 0, 0}, {Kind::Close, 0, 0}}));
    // Events are not keys.
    EXPECT_EQ(KeysDownCount(KeysAt(script, 6)), 0);
    EXPECT_TRUE(Down(KeysAt(script, 4), sc::Space));
}

TEST(KeyScript, CommentsBlankLinesAndOddSpacingAreIgnored) {
    KeyScript script = KeyScript::Parse(
        "# a replay\n\n   \t\n  2\tSPACE   # fire once\r\n#9 ESC\n3 LEFT#no space before\n",
        "keys.txt");
    ASSERT_EQ(script.entries().size(), 2u);
    EXPECT_TRUE(Down(KeysAt(script, 2), sc::Space));
    EXPECT_TRUE(Down(KeysAt(script, 3), sc::Left));
    EXPECT_EQ(KeysDownCount(KeysAt(script, 9)), 0);
    EXPECT_TRUE(KeyScript::Parse("", "keys.txt").entries().empty());
    EXPECT_TRUE(KeyScript::Parse("# only this", "keys.txt").entries().empty());
}

TEST(KeyScript, BadFramesAreReportedWithTheirLine) {
    EXPECT_EQ(ErrorOf("1 SPACE\n\nx SPACE\n"),
              "keys.txt:3: 'x' is not a frame, a range of frames (N-M) or an open range (N+)");
    EXPECT_EQ(ErrorOf("0 SPACE"), "keys.txt:1: frames count from 1, not 0");
    EXPECT_EQ(ErrorOf("0-3 SPACE"), "keys.txt:1: frames count from 1, not 0");
    EXPECT_EQ(ErrorOf("# c\n7-5 SPACE"), "keys.txt:2: the range '7-5' ends before it starts");
    EXPECT_EQ(ErrorOf("99999999999 SPACE"), "keys.txt:1: frame number '99999999999' is too large");
    for (const char* bad :
         {"-3 UP", "3- UP", "+ UP", "3+4 UP", "3++ UP", "1-2-3 UP", "-1 UP", "+3 UP", "3.5 UP"}) {
        EXPECT_NE(ErrorOf(bad).find("keys.txt:1: '"), std::string::npos) << bad;
        EXPECT_NE(ErrorOf(bad).find("is not a frame"), std::string::npos) << bad;
    }
}

TEST(KeyScript, BadWordsAreReportedWithTheirLine) {
    EXPECT_EQ(ErrorOf("1 SPACE\n2 JUMP\n"), "keys.txt:2: 'JUMP' is neither a key nor an event");
    EXPECT_EQ(ErrorOf("5\n"), "keys.txt:1: no key or event after the frames");
    EXPECT_EQ(ErrorOf("5 # just a comment\n"), "keys.txt:1: no key or event after the frames");
    EXPECT_EQ(ErrorOf("1 F1"), "keys.txt:1: 'F1' is neither a key nor an event");
    EXPECT_EQ(ErrorOf("1 MOUSE 5"), "keys.txt:1: MOUSE needs an X and a Y");
    EXPECT_EQ(ErrorOf("1 MOUSE"), "keys.txt:1: MOUSE needs an X and a Y");
    EXPECT_EQ(ErrorOf("1 MOUSE 65536 0"),
              "keys.txt:1: MOUSE takes X and Y from 0 to 65535, not '65536'");
    EXPECT_EQ(ErrorOf("1 MOUSE 3 -1"), "keys.txt:1: MOUSE takes X and Y from 0 to 65535, not '-1'");
    EXPECT_EQ(ErrorOf("1 MOUSE 3 UP"), "keys.txt:1: MOUSE takes X and Y from 0 to 65535, not 'UP'");
}

TEST(KeyScript, UnprintableBytesAndLongWordsAreShownSafely) {
    std::string text = "1 \x01\x7F";
    text += std::string(1, '\0');
    EXPECT_EQ(ErrorOf(text), "keys.txt:1: '\\x01\\x7F\\x00' is neither a key nor an event");
    std::string error = ErrorOf("1 " + std::string(500, 'Q'));
    EXPECT_EQ(error, "keys.txt:1: '" + std::string(32, 'Q') + "...' is neither a key nor an event");
}

class KeyScriptFile : public ::testing::Test {
protected:
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("farhaven-keys-" + std::to_string(::getpid()));
    ~KeyScriptFile() override { std::filesystem::remove(path); }
};

TEST_F(KeyScriptFile, ABadLineStopsTheBackendWithFileAndLine) {
    std::ofstream(path) << "# replay\n2 SPACE\n3 HOP\n";
    platform::Options options;
    options.keysFile = path.string();
    try {
        platform::HeadlessBackend backend(options);
        FAIL() << "a bad script was accepted";
    } catch (const platform::BackendError& error) {
        EXPECT_EQ(error.exitCode(), 2);
        EXPECT_EQ(std::string(error.what()),
                  path.string() + ":3: 'HOP' is neither a key nor an event");
    }
}

TEST_F(KeyScriptFile, AMissingFileStopsTheBackend) {
    platform::Options options;
    options.keysFile = path.string();
    try {
        platform::HeadlessBackend backend(options);
        FAIL() << "a missing script was accepted";
    } catch (const platform::BackendError& error) {
        EXPECT_EQ(error.exitCode(), 2);
        EXPECT_EQ(std::string(error.what()),
                  path.string() + ":0: cannot read the key script (No such file or directory)");
    }
}

}  // namespace
