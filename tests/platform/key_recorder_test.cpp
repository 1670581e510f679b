// The recording of a run, where what happened cannot be written down as it
// happened: it is written as a replay can do it.
#include "platform/core/key_recorder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/headless/key_script.h"
#include "support/headless_platform.h"

namespace {

using Kind = platform::ScriptEvent::Kind;
namespace sc = platform::scancode;

TEST(KeyRecorder, EarlyEventsGoToTheFirstFrameAndWhatAScriptCannotSayIsSaidAsItWorks) {
    std::filesystem::path file = std::filesystem::temp_directory_path() /
                                 ("farhaven-recorder-" + std::to_string(::getpid()) + ".keys");
    {
        platform::Options options;
        options.recordFile = file.string();
        HeadlessPlatform headless(options);
        platform::Platform& current = headless.platform();
        // Before the window: going to the back only takes the keyboard.
        current.DeliverEvent({Kind::Deactivate, 0, 0});
        current.setAppWindow(3);
        current.DeliverEvent({Kind::Mouse, 5, 6});  // still before the first frame
        current.NoteKeyboardRead();
        platform::KeyState keys{};
        keys[sc::Space] = platform::KEY_DOWN;
        keys[sc::Return] = platform::KEY_DOWN;  // no word for it
        current.NoteKeysRead(keys);
        current.DeliverEvent({Kind::Close, 0, 0});
        current.NoteKeyboardRead();
        keys[sc::Space] = 0;
        current.NoteKeysRead(keys);
        current.NoteKeyboardRead();  // a failed reading: nothing held
    }
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::filesystem::remove(file);
    EXPECT_EQ(text.str(),
              "# Far Haven key script, version 1\n"
              "1 SPACE\n"
              "1 UNACQUIRE MOUSE 5 6 CLOSE\n"
              "# the run ended in frame 3\n");
    platform::KeyScript replay = platform::KeyScript::Parse(text.str(), "recorded");
    EXPECT_EQ(replay.EventsAt(1),
              (std::vector<platform::ScriptEvent>{
                  {Kind::Unacquire, 0, 0}, {Kind::Mouse, 5, 6}, {Kind::Close, 0, 0}}));
}

}  // namespace
