// The headless key script: what its lines mean, and every kind of bad line.
#include "platform/headless/key_script.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/core/backend.h"
#include "platform/headless/headless_backend.h"

namespace {

using platform::KeyScript;
using platform::ScriptEvent;
using Kind = ScriptEvent::Kind;
namespace sc = platform::scancode;

// The scan codes down in a frame, in code order.
std::vector<int> Down(const KeyScript& script, std::uint32_t frame) {
    platform::KeyState keys{};
    script.AddKeysDown(frame, keys);
    std::vector<int> down;
    for (int code = 0; code < 256; ++code) {
        if (keys[code] == platform::KEY_DOWN) down.push_back(code);
    }
    return down;
}

TEST(KeyScript, FramesRangesAndOpenRangesHoldTheKeysOfEveryLineCoveringThem) {
    KeyScript script = KeyScript::Parse(
        "# a replay\n\n 3 SPACE   # fire\r\n5-7 left\t R\n6+ s\n2 a m q z 1 9 0\n", "k");
    EXPECT_EQ(Down(script, 1), std::vector<int>{});
    EXPECT_EQ(Down(script, 2), (std::vector<int>{0x02, 0x0A, 0x0B, sc::Q, sc::A, sc::Z, sc::M}));
    EXPECT_EQ(Down(script, 3), std::vector<int>{sc::Space});
    EXPECT_EQ(Down(script, 4), std::vector<int>{});
    EXPECT_EQ(Down(script, 5), (std::vector<int>{sc::R, sc::Left}));
    EXPECT_EQ(Down(script, 7), (std::vector<int>{sc::R, sc::S, sc::Left}));
    EXPECT_EQ(Down(script, 8), std::vector<int>{sc::S});
    EXPECT_EQ(Down(script, 4000000000u), std::vector<int>{sc::S});
    EXPECT_EQ(Down(KeyScript::Parse("1 ESC Up DOWN right", "k"), 1),
              (std::vector<int>{sc::Escape, sc::Up, sc::Right, sc::Down}));
}

TEST(KeyScript, EventsComeInFileOrderAndAreNotKeys) {
    KeyScript script = KeyScript::Parse(
        "4 deactivate SPACE activate\n2-4 MOUSE 65535 7\n4+ Unacquire\n6 CLOSE\n", "k");
    EXPECT_TRUE(script.EventsAt(1).empty());
    EXPECT_EQ(script.EventsAt(4), (std::vector<ScriptEvent>{{Kind::Deactivate, 0, 0},
                                                            {Kind::Activate, 0, 0},
                                                            {Kind::Mouse, 65535, 7},
                                                            {Kind::Unacquire, 0, 0}}));
    EXPECT_EQ(script.EventsAt(6),
              (std::vector<ScriptEvent>{{Kind::Unacquire, 0, 0}, {Kind::Close, 0, 0}}));
    EXPECT_EQ(Down(script, 6), std::vector<int>{});
}

TEST(KeyScript, EveryBadLineIsReportedWithItsFileAndLine) {
    const std::pair<std::string, std::string> bad[] = {
        {"1 UP\n\nx UP", "k:3: 'x' is not a frame, a range of frames (N-M) or an open range (N+)"},
        {"-3 UP", "k:1: '-3' is not a frame, a range of frames (N-M) or an open range (N+)"},
        {"3+4 UP", "k:1: '3+4' is not a frame, a range of frames (N-M) or an open range (N+)"},
        {"1-2-3 UP", "k:1: '1-2-3' is not a frame, a range of frames (N-M) or an open range (N+)"},
        {"0 UP", "k:1: frames count from 1, not 0"},
        {"#\n7-5 UP", "k:2: the range '7-5' ends before it starts"},
        {"99999999999 UP", "k:1: frame number '99999999999' is too large"},
        {"5 # no keys", "k:1: no key or event after the frames"},
        {"1 JUMP", "k:1: 'JUMP' is neither a key nor an event"},
        {"1 MOUSE 5", "k:1: MOUSE needs an X and a Y"},
        {"1 MOUSE 65536 0", "k:1: MOUSE takes X and Y from 0 to 65535, not '65536'"},
        {"1 MOUSE 3 -1", "k:1: MOUSE takes X and Y from 0 to 65535, not '-1'"},
        {std::string("1 \x01\x7F\0", 5), "k:1: '\\x01\\x7F\\x00' is neither a key nor an event"},
        {"1 " + std::string(99, 'Q'),
         "k:1: '" + std::string(32, 'Q') + "...' is neither a key nor an event"},
    };
    for (const auto& [text, message] : bad) {
        try {
            KeyScript::Parse(text, "k");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const platform::BackendError& error) {
            EXPECT_EQ(error.what(), message);
            EXPECT_EQ(error.exitCode(), 2);
        }
    }
}

TEST(KeyScript, TheBackendReadsItsScriptFileAndRefusesABadOrMissingOne) {
    auto path =
        std::filesystem::temp_directory_path() / ("farhaven-keys-" + std::to_string(getpid()));
    platform::Options options;
    options.keysFile = path.string();
    auto errorOf = [&]() -> std::string {
        try {
            platform::HeadlessBackend backend(options);
            return "";
        } catch (const platform::BackendError& error) {
            EXPECT_EQ(error.exitCode(), 2);
            return error.what();
        }
    };
    EXPECT_EQ(errorOf(),
              path.string() + ":0: cannot read the key script (No such file or directory)");
    std::ofstream(path) << "# replay\n2 SPACE\n3 HOP\n";
    EXPECT_EQ(errorOf(), path.string() + ":3: 'HOP' is neither a key nor an event");
    std::ofstream(path) << "2 SPACE\n";
    EXPECT_EQ(errorOf(), "");
    std::filesystem::remove(path);
}

}  // namespace
