// The keyboard on the headless backend, reading a key script (--keys) and
// recording a run (--record) in the script's words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/api/window.h"
#include "platform/core/input/keyboard.h"
#include "platform/headless/key_script.h"
#include "support/files.h"
#include "support/headless_platform.h"

namespace {

namespace sc = platform::scancode;
using platform::KeyScript;
using Kind = platform::ScriptEvent::Kind;

// Frame N begins with the N-th reading, and the script's events are posted
// at its flip; the recording says the same in a script's own words, without
// the keys it has no word for.
TEST(Keyboard, ReadsTheScriptFrameByFrameAndTheRecordingReplaysIt) {
    const std::string script =
        "# a replay\n\n1-2 space   # fire\r\n1+ S\n2-2 unacquire\n5 DEACTIVATE\tactivate\n"
        "3-5 MOUSE 300 65535\n5+ CLOSE\n";
    TempFolder folder;
    platform::Options options;
    options.recordFile = (folder.path() / "run.keys").string();
    {
        HeadlessPlatform headless(options);
        platform::RegisterWindowClass("keys", platform::DefWindowProc);
        platform::WindowHandle window = platform::CreateWindow("keys", "keys", 640, 480);
        std::unique_ptr<platform::InputSystem> input;
        std::unique_ptr<platform::KeyboardDevice> keyboard;
        ASSERT_TRUE(platform::CreateInputSystem(input) == 0 &&
                    input->CreateKeyboard(keyboard) == 0);
        const std::uint32_t game = platform::DISCL_NONEXCLUSIVE | platform::DISCL_FOREGROUND;
        EXPECT_EQ(keyboard->SetCooperativeLevel(window, game | 8), platform::E_INVALIDARG);
        EXPECT_EQ(keyboard->Acquire(), platform::E_INVALIDARG);  // no data format yet
        ASSERT_TRUE(keyboard->SetCooperativeLevel(window, game) == 0 &&
                    keyboard->SetDataFormat() == 0 && keyboard->Acquire() == 0);
        headless.backend().SetKeyScript(KeyScript::Parse(script, "k"));
        headless.backend().HoldKey(sc::Return);
        platform::KeyState keys;
        platform::KeyState held{};
        held[sc::Space] = held[sc::S] = held[sc::Return] = platform::KEY_DOWN;
        for (int frame = 1; frame <= 2; ++frame, headless.platform().NoteFlip()) {
            keys.fill(0xAA);
            EXPECT_EQ(keyboard->GetDeviceState(keys), 0);
            EXPECT_EQ(keys, held);
        }
        headless.backend().failures().Add({"dinput.state", platform::E_FAIL, 1});
        EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_FAIL);
        headless.backend().failures().Clear();
        EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_NOTACQUIRED);  // lost after frame 2
        EXPECT_TRUE(keyboard->Acquire() == 0 && keyboard->GetDeviceState(keys) == 0 &&
                    keys[sc::Space] == 0 && keys[sc::S] == 0x80);
        EXPECT_TRUE(headless.platform().queue().Empty());  // nothing before the flip
        headless.platform().NoteFlip();
        std::vector<std::uintptr_t> posted;  // each message's window, number and parameters
        for (platform::MessageQueue& queue = headless.platform().queue(); !queue.Empty();) {
            platform::Message message = queue.Take();
            posted.insert(posted.end(),
                          {message.window, message.message, message.wParam + message.lParam});
            platform::DispatchMessage(message);
        }
        EXPECT_EQ(posted, (std::vector<std::uintptr_t>{window, platform::WM_ACTIVATEAPP, 0, window,
                                                       platform::WM_ACTIVATEAPP, 1, window,
                                                       platform::WM_MOUSEMOVE, 300 + (65535u << 16),
                                                       window, platform::WM_CLOSE, 0}));
        // Going to the back took the keyboard, and closing a window destroys it.
        EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_NOTACQUIRED);
        EXPECT_FALSE(headless.backend().windowOpen());
    }
    EXPECT_EQ(ReadFile(options.recordFile),
              "# Far Haven key script, version 1\n1-2 SPACE S\n2 UNACQUIRE\n5 S\n"
              "5 DEACTIVATE ACTIVATE MOUSE 300 65535 CLOSE\n# the run ended in frame 6\n");
}

}  // namespace
