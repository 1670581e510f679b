// The keyboard api on the headless backend: set-up steps, acquisition, the
// frames its readings count, and the key script's keys and events.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/api/input.h"
#include "platform/api/window.h"
#include "support/headless_platform.h"

namespace {

namespace sc = platform::scancode;
constexpr std::uint32_t kGameFlags = platform::DISCL_NONEXCLUSIVE | platform::DISCL_FOREGROUND;

std::int32_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

class KeyboardTest : public ::testing::Test {
protected:
    KeyboardTest() { Install({}); }
    ~KeyboardTest() override { std::filesystem::remove(ScriptPath()); }

    // A fresh headless platform with a window to bind the keyboard to.
    void Install(const platform::Options& options) {
        input.reset();
        headless.reset();
        headless = std::make_unique<HeadlessPlatform>(options);
        platform::RegisterWindowClass("keyboard test", IgnoreMessages);
        window = platform::CreateWindow("keyboard test", "test", 640, 480);
    }

    // As --keys FILE --frames N would.
    void InstallWithScript(const std::string& script, std::uint32_t frames) {
        std::ofstream(ScriptPath()) << script;
        platform::Options options;
        options.keysFile = ScriptPath().string();
        options.frames = frames;
        Install(options);
    }

    static std::filesystem::path ScriptPath() {
        return std::filesystem::temp_directory_path() /
               ("farhaven-keyboard-" + std::to_string(::getpid()));
    }

    platform::HeadlessBackend& backend() { return headless->backend(); }
    platform::Platform& current() { return headless->platform(); }

    // The game's set-up, step by step; the code of the first step that fails.
    platform::HRESULT SetUpKeyboard(std::unique_ptr<platform::KeyboardDevice>& keyboard) {
        platform::HRESULT result = platform::CreateInputSystem(input);
        if (platform::Failed(result)) return result;
        if (platform::Failed(result = input->CreateKeyboard(keyboard))) return result;
        if (platform::Failed(result = keyboard->SetCooperativeLevel(window, kGameFlags))) {
            return result;
        }
        if (platform::Failed(result = keyboard->SetDataFormat())) return result;
        return keyboard->Acquire();
    }

    std::unique_ptr<platform::KeyboardDevice> ReadyKeyboard() {
        std::unique_ptr<platform::KeyboardDevice> keyboard;
        EXPECT_EQ(SetUpKeyboard(keyboard), platform::S_OK);
        return keyboard;
    }

    // One frame as the game makes it: a reading, then the flip that ends it.
    platform::HRESULT Frame(platform::KeyboardDevice& keyboard, platform::KeyState& keys) {
        platform::HRESULT result = keyboard.GetDeviceState(keys);
        current().NoteFlip();
        return result;
    }

    std::vector<platform::Message> TakeMessages() {
        std::vector<platform::Message> messages;
        while (!current().queue().Empty()) messages.push_back(current().queue().Take());
        return messages;
    }

    std::unique_ptr<HeadlessPlatform> headless;
    platform::WindowHandle window = 0;
    std::unique_ptr<platform::InputSystem> input;
};

TEST_F(KeyboardTest, TheGamesSetUpSucceedsAndAReadingFillsAll256Bytes) {
    auto keyboard = ReadyKeyboard();
    platform::KeyState keys;
    keys.fill(0xAA);
    ASSERT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
    for (std::uint8_t key : keys) EXPECT_EQ(key, 0);
}

TEST_F(KeyboardTest, EachSetUpStepFailsOnRequestWithItsCode) {
    platform::HRESULT code = platform::Code(0x80070005);
    for (const char* step : {"dinput.create", "dinput.device", "dinput.cooperative",
                             "dinput.format", "dinput.acquire"}) {
        backend().failures().Clear();
        backend().failures().Add({step, code, 1});
        std::unique_ptr<platform::KeyboardDevice> keyboard;
        input.reset();
        EXPECT_EQ(SetUpKeyboard(keyboard), code) << step;
    }
}

TEST_F(KeyboardTest, ARefusedReadingLeavesTheStateAsItWas) {
    auto keyboard = ReadyKeyboard();
    backend().failures().Add({"dinput.state", platform::E_FAIL, 2});
    backend().HoldKey(sc::Space);
    platform::KeyState keys{};
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
    backend().ReleaseAllKeys();
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_FAIL);
    EXPECT_EQ(keys[sc::Space], platform::KEY_DOWN);
}

TEST_F(KeyboardTest, SetUpStepsRefuseWhatTheKeyboardCannotDo) {
    std::unique_ptr<platform::KeyboardDevice> keyboard;
    ASSERT_EQ(platform::CreateInputSystem(input), platform::S_OK);
    ASSERT_EQ(input->CreateKeyboard(keyboard), platform::S_OK);
    EXPECT_EQ(keyboard->SetCooperativeLevel(window + 100, kGameFlags), platform::E_INVALIDARG);
    EXPECT_EQ(keyboard->SetCooperativeLevel(window, platform::DISCL_FOREGROUND),
              platform::E_INVALIDARG);
    EXPECT_EQ(keyboard->SetCooperativeLevel(window, 0x1 | 0x2 | 0x4), platform::E_INVALIDARG);
    EXPECT_EQ(keyboard->SetCooperativeLevel(window, 0x2 | 0x4 | 0x8), platform::E_INVALIDARG);
    EXPECT_EQ(keyboard->SetCooperativeLevel(window, kGameFlags | 0x100), platform::E_INVALIDARG);
    EXPECT_EQ(keyboard->SetCooperativeLevel(window, kGameFlags), platform::S_OK);
    platform::KeyState keys{};
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_NOTACQUIRED);
    EXPECT_EQ(keyboard->Acquire(), platform::E_INVALIDARG);  // no data format yet
    EXPECT_EQ(keyboard->SetDataFormat(), platform::S_OK);
    EXPECT_EQ(keyboard->Acquire(), platform::S_OK);
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
}

TEST_F(KeyboardTest, EveryReadingStartsAFrameTheFailedOnesToo) {
    auto keyboard = ReadyKeyboard();
    platform::KeyState keys{};
    EXPECT_EQ(current().frame(), 0u);
    keyboard->GetDeviceState(keys);
    EXPECT_EQ(current().frame(), 1u);
    backend().failures().Add({"dinput.state", platform::E_FAIL, 1});
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_FAIL);
    EXPECT_EQ(current().frame(), 2u);
    backend().failures().Clear();
    current().NoteKeyboardLost();
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_NOTACQUIRED);
    EXPECT_EQ(current().frame(), 3u);
}

TEST_F(KeyboardTest, ALostKeyboardReadsAsNotAcquiredUntilAcquiredAgain) {
    auto keyboard = ReadyKeyboard();
    auto other = ReadyKeyboard();
    platform::KeyState keys{};
    current().NoteKeyboardLost();
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_NOTACQUIRED);
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_NOTACQUIRED);
    EXPECT_EQ(static_cast<std::uint32_t>(platform::E_NOTACQUIRED), 0x8007000Cu);
    EXPECT_EQ(keyboard->Acquire(), platform::S_OK);
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
    // Every device lost the foreground, not only the one that was read.
    EXPECT_EQ(other->GetDeviceState(keys), platform::E_NOTACQUIRED);
}

TEST_F(KeyboardTest, HeldKeysAreDownUntilReleased) {
    auto keyboard = ReadyKeyboard();
    backend().HoldKey(sc::Up);
    backend().HoldKey(sc::Space);
    platform::KeyState keys{};
    ASSERT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
    EXPECT_EQ(keys[sc::Up], platform::KEY_DOWN);
    EXPECT_EQ(keys[sc::Space], platform::KEY_DOWN);
    backend().HoldKey(sc::Up, false);
    ASSERT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
    EXPECT_EQ(keys[sc::Up], 0);
    EXPECT_EQ(keys[sc::Space], platform::KEY_DOWN);
}

TEST_F(KeyboardTest, TheNthReadingSeesTheScriptsFrameN) {
    InstallWithScript("2 SPACE\n3-4 left\n", 10);
    auto keyboard = ReadyKeyboard();
    backend().HoldKey(sc::R);
    platform::KeyState keys{};
    std::vector<bool> space;
    std::vector<bool> left;
    for (int frame = 1; frame <= 5; ++frame) {
        ASSERT_EQ(Frame(*keyboard, keys), platform::S_OK);
        space.push_back(keys[sc::Space] != 0);
        left.push_back(keys[sc::Left] != 0);
        EXPECT_EQ(keys[sc::R], platform::KEY_DOWN);  // held keys come on top
    }
    EXPECT_EQ(space, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(left, (std::vector<bool>{false, false, true, true, false}));
}

TEST_F(KeyboardTest, ScriptEventsArePostedAtTheFramesFirstFlipThenTheFramesClose) {
    InstallWithScript("2 DEACTIVATE ACTIVATE MOUSE 300 65535\n2 CLOSE\n", 2);
    auto keyboard = ReadyKeyboard();
    platform::KeyState keys{};
    Frame(*keyboard, keys);
    EXPECT_TRUE(TakeMessages().empty());
    keyboard->GetDeviceState(keys);
    EXPECT_TRUE(TakeMessages().empty());  // nothing before the flip
    current().NoteFlip();
    current().NoteFlip();  // a second flip of the same frame posts nothing more
    std::vector<platform::Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0].message, platform::WM_ACTIVATEAPP);
    EXPECT_EQ(messages[0].wParam, 0u);
    EXPECT_EQ(messages[1].message, platform::WM_ACTIVATEAPP);
    EXPECT_EQ(messages[1].wParam, 1u);
    EXPECT_EQ(messages[2].message, platform::WM_MOUSEMOVE);
    EXPECT_EQ(messages[2].lParam, std::intptr_t{300} | (std::intptr_t{65535} << 16));
    EXPECT_EQ(messages[3].message, platform::WM_CLOSE);
    EXPECT_EQ(messages[4].message, platform::WM_CLOSE);  // the end of --frames 2
    for (const platform::Message& message : messages) EXPECT_EQ(message.window, window);
}

TEST_F(KeyboardTest, UnacquireAndDeactivateTakeTheKeyboardBeforeTheNextReading) {
    InstallWithScript("1 UNACQUIRE\n3 DEACTIVATE\n", 100);
    auto keyboard = ReadyKeyboard();
    platform::KeyState keys{};
    EXPECT_EQ(Frame(*keyboard, keys), platform::S_OK);
    EXPECT_EQ(Frame(*keyboard, keys), platform::E_NOTACQUIRED);
    keyboard->Acquire();
    EXPECT_EQ(Frame(*keyboard, keys), platform::S_OK);
    EXPECT_EQ(Frame(*keyboard, keys), platform::E_NOTACQUIRED);
    EXPECT_EQ(TakeMessages().size(), 1u);  // UNACQUIRE posts no message
}

}  // namespace
