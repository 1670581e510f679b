// The SDL keyboard in a real window under an X server (the test script
// starts Xvfb): real key presses reach the game's state, and losing the
// focus takes the keyboard.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/api/input.h"
#include "platform/api/window.h"
#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"

namespace {

namespace sc = platform::scancode;

std::int32_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

class SdlKeyboardWindow : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        platform::Options options;
        options.window = true;
        std::unique_ptr<platform::SdlBackend> backend;
        try {
            backend = std::make_unique<platform::SdlBackend>(options);
        } catch (const platform::BackendError& error) {
            GTEST_SKIP() << "no X server to open a window on: " << error.what();
        }
        sdl = backend.get();
        installed = std::make_unique<platform::ScopedPlatform>(std::move(backend), options);
        platform::RegisterWindowClass("keyboard window test", IgnoreMessages);
        window = platform::CreateWindow("keyboard window test", "keys", 320, 240);
        ASSERT_NE(window, 0u);
        std::unique_ptr<platform::InputSystem> input;
        ASSERT_EQ(platform::CreateInputSystem(input), platform::S_OK);
        ASSERT_EQ(input->CreateKeyboard(keyboard), platform::S_OK);
        ASSERT_EQ(keyboard->SetCooperativeLevel(
                      window, platform::DISCL_NONEXCLUSIVE | platform::DISCL_FOREGROUND),
                  platform::S_OK);
        ASSERT_EQ(keyboard->SetDataFormat(), platform::S_OK);
        ASSERT_EQ(keyboard->Acquire(), platform::S_OK);
    }

    // Lets the window take its events for up to two seconds, until done() holds.
    template <typename Done>
    bool PumpUntil(Done done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            installed->get().backend().PumpEvents();
            SDL_Delay(10);
        }
        return done();
    }

    bool KeyDown(std::uint8_t code) {
        platform::KeyState keys{};
        return keyboard->GetDeviceState(keys) == platform::S_OK && keys[code] == platform::KEY_DOWN;
    }

    platform::SdlBackend* sdl = nullptr;
    std::unique_ptr<platform::ScopedPlatform> installed;
    platform::WindowHandle window = 0;
    std::unique_ptr<platform::KeyboardDevice> keyboard;
};

TEST_F(SdlKeyboardWindow, ARealKeyPressIsReadAsItsScanCode) {
    if (std::system("command -v xdotool >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "xdotool is missing";
    }
    ASSERT_TRUE(PumpUntil([&] { return SDL_GetKeyboardFocus() == sdl->window(); }))
        << "the window never got the keyboard focus";
    ASSERT_EQ(std::system("xdotool keydown space"), 0);
    EXPECT_TRUE(PumpUntil([&] { return KeyDown(sc::Space); }));
    ASSERT_EQ(std::system("xdotool keyup space"), 0);
    EXPECT_TRUE(PumpUntil([&] { return !KeyDown(sc::Space); }));
}

TEST_F(SdlKeyboardWindow, LosingTheFocusUnacquiresTheKeyboard) {
    platform::KeyState keys{};
    ASSERT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
    SDL_Event focusLost{};
    focusLost.type = SDL_WINDOWEVENT;
    focusLost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    focusLost.window.windowID = SDL_GetWindowID(sdl->window());
    SDL_PushEvent(&focusLost);
    installed->get().backend().PumpEvents();
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_NOTACQUIRED);
    EXPECT_EQ(keyboard->Acquire(), platform::S_OK);
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
}

}  // namespace
