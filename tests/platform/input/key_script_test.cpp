// Key scripts as other systems write them: Windows line ends on every line,
// keys and all, a byte-order mark, blanks after the words, no line end after
// the last line. Each reads entry for entry as the clean script does.
#include "platform/headless/key_script.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/api/start.h"
#include "support/files.h"

namespace {

using platform::KeyScript;

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
