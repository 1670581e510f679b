// The SDL keyboard in a real window under an X server (the test script
// starts Xvfb): a real key press is read, and losing the focus takes the
// keyboard away until it is acquired again.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/api/input.h"
#include "platform/api/window.h"
#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "support/sdl_window.h"

namespace {

std::int32_t IgnoreMessages(platform::WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) {
    return 0;
}

TEST(SdlKeyboardWindow, RealKeysAreReadAndAFocusLossUnacquires) {
    WindowedSdlPlatform windowed;
    if (windowed.sdl() == nullptr) GTEST_SKIP() << windowed.whyNot();
    platform::SdlBackend* sdl = windowed.sdl();
    platform::RegisterWindowClass("keys", IgnoreMessages);
    platform::WindowHandle window = platform::CreateWindow("keys", "keys", 320, 240);
    std::unique_ptr<platform::InputSystem> input;
    std::unique_ptr<platform::KeyboardDevice> keyboard;
    ASSERT_EQ(platform::CreateInputSystem(input), platform::S_OK);
    ASSERT_EQ(input->CreateKeyboard(keyboard), platform::S_OK);
    keyboard->SetCooperativeLevel(window,
                                  platform::DISCL_NONEXCLUSIVE | platform::DISCL_FOREGROUND);
    keyboard->SetDataFormat();
    ASSERT_EQ(keyboard->Acquire(), platform::S_OK);
    platform::KeyState keys{};
    auto pumpUntil = [&](auto done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            sdl->PumpEvents();
            SDL_Delay(10);
        }
        return done();
    };
    auto spaceDown = [&] {
        return keyboard->GetDeviceState(keys) == platform::S_OK &&
               keys[platform::scancode::Space] != 0;
    };

    if (std::system("command -v xdotool >/dev/null 2>&1") == 0) {
        ASSERT_TRUE(pumpUntil([&] { return SDL_GetKeyboardFocus() == sdl->window(); }));
        ASSERT_EQ(std::system("xdotool keydown space"), 0);
        EXPECT_TRUE(pumpUntil(spaceDown));
        ASSERT_EQ(std::system("xdotool keyup space"), 0);
        EXPECT_TRUE(pumpUntil([&] { return !spaceDown(); }));
    }

    SDL_Event focusLost{};
    focusLost.type = SDL_WINDOWEVENT;
    focusLost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    focusLost.window.windowID = SDL_GetWindowID(sdl->window());
    SDL_PushEvent(&focusLost);
    sdl->PumpEvents();
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::E_NOTACQUIRED);
    EXPECT_EQ(keyboard->Acquire(), platform::S_OK);
    EXPECT_EQ(keyboard->GetDeviceState(keys), platform::S_OK);
}

}  // namespace
