// Key scripts as other systems write them: Windows line ends on every line,
// keys and all, a byte-order mark, blanks after the words, no line end after
// the last line. Each reads frame for frame as the clean script does.
#include "platform/headless/key_script.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/api/start.h"
#include "support/files.h"

namespace {

using platform::KeyScript;

// Every key held and every event, frame by frame, to a frame past the
// script's last: all that the game is told of the script.
std::string Reading(const KeyScript& script) {
    std::uint32_t end = 1;
    for (const platform::ScriptEntry& entry : script.entries()) {
        end = std::max(end, entry.last == entry.kOpenEnd ? entry.first : entry.last);
    }
    std::string reading;
    for (std::uint32_t frame = 1; frame <= end + 1; ++frame) {
        platform::KeyState keys{};
        script.AddKeysDown(frame, keys);
        reading += std::to_string(frame) + ":";
        for (std::size_t code = 0; code < keys.size(); ++code) {
            if (keys[code] != 0) reading += ' ' + std::to_string(code);
        }
        for (const platform::ScriptEvent& event : script.EventsAt(frame)) {
            reading += ' ' + platform::EventWords(event);
        }
        reading += '\n';
    }
    return reading;
}

struct Form {
    const char* what;
    bool byteOrderMark;
    const char* lineEnd;
    const char* trailing;  // after every line's words
    bool lastLineEnd;
    bool comments;  // kept, or left out so that the first line holds keys
};

const Form kForms[] = {
    {"Windows line ends", false, "\r\n", "", true, true},
    {"a byte-order mark before a comment", true, "\n", "", true, true},
    {"a byte-order mark before keys", true, "\n", "", true, false},
    {"trailing blanks", false, "\n", " \t ", true, true},
    {"no line end after the last line", false, "\n", "", false, true},
    {"all of them at once", true, "\r\n", "  ", false, false},
};

TEST(KeyScript, FromAnotherSystemReadsAsTheCleanScript) {
    const std::string clean = ReadFile(FARHAVEN_SOURCE_DIR "/tests/golden/game.keys");
    const std::string expected = Reading(KeyScript::Parse(clean, "game.keys"));
    ASSERT_NE(expected.find(" MOUSE 100 200\n"), std::string::npos) << "not the golden script";
    TempFolder folder;
    for (const Form& form : kForms) {
        std::string text = form.byteOrderMark ? "\xEF\xBB\xBF" : "";
        for (const std::string& line : Lines(clean)) {
            if (form.comments || !line.starts_with('#'))
                text += line + form.trailing + form.lineEnd;
        }
        if (!form.lastLineEnd) text.resize(text.size() - std::string(form.lineEnd).size());
        std::string file = folder.Write("other.keys", text), read;
        try {
            read = Reading(KeyScript::Load(file));
        } catch (const platform::BackendError& error) {
            read = error.what();
        }
        EXPECT_TRUE(read == expected) << form.what << " reads as\n" << read.substr(0, 300);
    }
}

}  // namespace
