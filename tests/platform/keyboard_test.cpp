// The keyboard api on the headless backend: set-up steps, acquisition, the
// frames its readings count, and the key script's keys and events.
#include <gtest/gtest.h>

#include "platform/api/input.h"
#include "platform/api/window.h"
#include "platform/headless/key_script.h"
#include "support/headless_platform.h"

namespace {

namespace sc = platform::scancode;
using platform::E_INVALIDARG;
using platform::E_NOTACQUIRED;
using platform::S_OK;

std::int32_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

class KeyboardTest : public HeadlessTest {
protected:
    KeyboardTest() {
        platform::RegisterWindowClass("keys", IgnoreMessages);
        window = platform::CreateWindow("keys", "keys", 640, 480);
    }
    // The game's set-up; the code of the first step that fails.
    platform::HRESULT SetUpKeyboard(std::unique_ptr<platform::KeyboardDevice>& keyboard) {
        platform::HRESULT result = platform::CreateInputSystem(input);
        if (result == S_OK) result = input->CreateKeyboard(keyboard);
        if (result == S_OK) result = keyboard->SetCooperativeLevel(window, kGameFlags);
        if (result == S_OK) result = keyboard->SetDataFormat();
        return result == S_OK ? keyboard->Acquire() : result;
    }
    // One frame: a reading, then the flip that ends it.
    platform::HRESULT Frame(platform::KeyboardDevice& keyboard, platform::KeyState& keys) {
        platform::HRESULT result = keyboard.GetDeviceState(keys);
        headless.platform().NoteFlip();
        return result;
    }
    static constexpr std::uint32_t kGameFlags =
        platform::DISCL_NONEXCLUSIVE | platform::DISCL_FOREGROUND;
    platform::WindowHandle window = 0;
    std::unique_ptr<platform::InputSystem> input;
    std::unique_ptr<platform::KeyboardDevice> keyboard;
    platform::KeyState keys{};
};

TEST_F(KeyboardTest, EachSetUpStepFailsOnRequestWithItsCode) {
    for (const char* step : {"dinput.create", "dinput.device", "dinput.cooperative",
                             "dinput.format", "dinput.acquire"}) {
        headless.backend().failures().Clear();
        headless.backend().failures().Add({step, platform::Code(0x80070005), 1});
        EXPECT_EQ(SetUpKeyboard(keyboard), platform::Code(0x80070005)) << step;
    }
    headless.backend().failures().Clear();
    EXPECT_EQ(SetUpKeyboard(keyboard), S_OK);
}

TEST_F(KeyboardTest, SetUpStepsRefuseWhatTheKeyboardCannotDo) {
    ASSERT_EQ(platform::CreateInputSystem(input), S_OK);
    ASSERT_EQ(input->CreateKeyboard(keyboard), S_OK);
    for (std::uint32_t flags : {0x4u, 0x1u | 0x2 | 0x4, 0x2u | 0x4 | 0x8, kGameFlags | 0x100}) {
        EXPECT_EQ(keyboard->SetCooperativeLevel(window, flags), E_INVALIDARG) << flags;
    }
    EXPECT_EQ(keyboard->SetCooperativeLevel(window + 1, kGameFlags), E_INVALIDARG);
    EXPECT_EQ(keyboard->SetCooperativeLevel(window, kGameFlags), S_OK);
    EXPECT_EQ(keyboard->GetDeviceState(keys), E_NOTACQUIRED);
    EXPECT_EQ(keyboard->Acquire(), E_INVALIDARG);  // no data format yet
}

TEST_F(KeyboardTest, EveryReadingCountsAFrameAndALossLastsUntilTheNextAcquire) {
    ASSERT_EQ(SetUpKeyboard(keyboard), S_OK);
    headless.backend().HoldKey(sc::Space);
    keys.fill(0xAA);
    EXPECT_EQ(keyboard->GetDeviceState(keys), S_OK);
    for (int code = 0; code < 256; ++code) EXPECT_EQ(keys[code], code == sc::Space ? 0x80 : 0);
    headless.backend().failures().Add({"dinput.state", platform::E_FAIL, 1});
    headless.backend().ReleaseAllKeys();
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_FAIL);
    EXPECT_EQ(keys[sc::Space], 0x80);  // a failed reading leaves the state alone
    headless.backend().failures().Clear();
    headless.platform().NoteKeyboardLost();
    EXPECT_EQ(keyboard->GetDeviceState(keys), E_NOTACQUIRED);
    EXPECT_EQ(keyboard->GetDeviceState(keys), E_NOTACQUIRED);
    EXPECT_EQ(headless.platform().frame(), 4u);
    EXPECT_EQ(keyboard->Acquire(), S_OK);
    EXPECT_EQ(keyboard->GetDeviceState(keys), S_OK);
}

TEST_F(KeyboardTest, TheScriptsKeysAndEventsComeAtTheirFrames) {
    ASSERT_EQ(SetUpKeyboard(keyboard), S_OK);
    headless.backend().SetKeyScript(platform::KeyScript::Parse(
        "2 SPACE\n1 UNACQUIRE\n3 DEACTIVATE ACTIVATE MOUSE 300 65535 CLOSE\n", "k"));
    EXPECT_EQ(Frame(*keyboard, keys), S_OK);
    EXPECT_EQ(Frame(*keyboard, keys), E_NOTACQUIRED);  // lost at the end of frame 1
    keyboard->Acquire();
    EXPECT_EQ(keyboard->GetDeviceState(keys), S_OK);   // frame 3
    EXPECT_EQ(keys[sc::Space], 0);                     // frame 2's key is gone
    EXPECT_TRUE(headless.platform().queue().Empty());  // nothing before the flip
    headless.platform().NoteFlip();
    headless.platform().NoteFlip();  // a second flip of the frame posts nothing more
    std::vector<std::pair<std::uint32_t, std::intptr_t>> posted;
    while (!headless.platform().queue().Empty()) {
        platform::Message message = headless.platform().queue().Take();
        EXPECT_EQ(message.window, window);
        posted.emplace_back(message.message, message.message == platform::WM_ACTIVATEAPP
                                                 ? static_cast<std::intptr_t>(message.wParam)
                                                 : message.lParam);
    }
    EXPECT_EQ(posted, (std::vector<std::pair<std::uint32_t, std::intptr_t>>{
                          {platform::WM_ACTIVATEAPP, 0},
                          {platform::WM_ACTIVATEAPP, 1},
                          {platform::WM_MOUSEMOVE, 300 | (std::intptr_t{65535} << 16)},
                          {platform::WM_CLOSE, 0}}));
    // Going to the back took the keyboard with it.
    EXPECT_EQ(keyboard->GetDeviceState(keys), E_NOTACQUIRED);
}

}  // namespace
