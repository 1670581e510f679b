// The headless backend's key scripts (--keys): what a bad one is told, and
// scripts as other systems write them (Windows line ends on every line, keys
// and all, a byte-order mark, blanks after the words, no line end after the
// last line), each read entry for entry as the clean script is.
#include "platform/headless/key_script.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/api/start.h"
#include "platform/headless/headless_backend.h"
#include "support/files.h"

namespace {

using platform::KeyScript;

TEST(KeyScript, AMissingFileAndEveryBadLineAreReportedWithTheFileAndLine) {
    TempFolder folder;
    platform::Options options;
    options.keysFile = (folder.path() / "replay.keys").string();
    for (auto [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"", ":0: cannot read the key script (No such file or directory)"},
             {"1 UP\n\n3+4 UP",
              ":3: '3+4' is not a frame, a range of frames (N-M) or an open range (N+)"},
             {"0 UP", ":1: frames count from 1, not 0"},
             {"7-5 UP", ":1: the range '7-5' ends before it starts"},
             {"99999999999 UP", ":1: frame number '99999999999' is too large"},
             {"5 # no keys", ":1: no key or event after the frames"},
             {"1 MOUSE 65536 0", ":1: MOUSE takes X and Y from 0 to 65535, not '65536'"},
             {"1 \x01" + std::string(40, 'Q'),
              ":1: '\\x01" + std::string(31, 'Q') + "...' is neither a key nor an event"}}) {
        if (!text.empty()) folder.Write("replay.keys", text);
        try {
            platform::HeadlessBackend backend(options);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const platform::BackendError& error) {
            EXPECT_EQ(error.what(), options.keysFile + message);
            EXPECT_EQ(error.exitCode(), 2);
        }
    }
}

TEST(KeyScript, FromAnotherSystemReadsAsTheCleanScript) {
    const std::string clean = ReadFile(FARHAVEN_SOURCE_DIR "/tests/golden/game.keys");
    const auto expected = KeyScript::Parse(clean, "game.keys").entries();
    ASSERT_GT(expected.size(), 20u);
    const struct {
        const char* what;
        const char *start, *trailing, *lineEnd;  // before the first line; after each one's words
        bool lastLineEnd, comments;  // kept, or left out so that the first line holds keys
    } forms[] = {
        {"Windows line ends", "", "", "\r\n", true, true},
        {"a byte-order mark before a comment", "\xEF\xBB\xBF", "", "\n", true, true},
        {"a byte-order mark before keys", "\xEF\xBB\xBF", "", "\n", true, false},
        {"trailing blanks", "", " \t ", "\n", true, true},
        {"no line end after the last line", "", "", "\n", false, true},
        {"all of them at once", "\xEF\xBB\xBF", "  ", "\r\n", false, false},
    };
    TempFolder folder;
    for (const auto& form : forms) {
        std::string text = form.start;
        for (const std::string& line : Lines(clean)) {
            if (form.comments || !line.starts_with('#'))
                text += line + form.trailing + form.lineEnd;
        }
        if (!form.lastLineEnd) text.erase(text.size() - std::strlen(form.lineEnd));
        try {
            EXPECT_TRUE(KeyScript::Load(folder.Write("other.keys", text)).entries() == expected)
                << form.what;
        } catch (const platform::BackendError& error) {
            ADD_FAILURE() << form.what << ": " << error.what();
        }
    }
}

}  // namespace
