// The SDL backend: its frame pacer, its game controllers (plugged in through
// SDL's virtual joystick, with the standard controller layout), and its
// window's events, on SDL's dummy video driver. The real window on an X
// server is the end-to-end tests' part.
#include <SDL2/SDL_stdinc.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/core/platform.h"
#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/gamepad_mapping.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_keyboard.h"
#include "shell/app_window.h"
#include "support/headless_platform.h"

namespace {

using platform::FramePacer;
using Clock = FramePacer::Clock;
using std::chrono::milliseconds;

// The shortest interval between flips without vsync, each frame's work
// taking `work(i)` after the previous flip, and the time from the first to
// the last.
template <typename Work>
std::pair<Clock::duration, Clock::duration> Flips(int frames, Work work) {
    FramePacer pacer(false, 0);
    Clock::time_point first;
    Clock::time_point now = Clock::time_point{} + std::chrono::hours(1);
    Clock::duration shortest = Clock::duration::max();
    for (int i = 0; i < frames; ++i) {
        Clock::time_point flip = std::max(now + work(i), pacer.WakeTime());
        if (i == 0) first = flip;
        if (i > 0) shortest = std::min(shortest, flip - now);
        pacer.AfterPresent(now = flip);
    }
    return {shortest, now - first};
}

// Every motion is so many pixels a frame: the game's speed is the pace of
// the flips. A late frame is made up by the next ones, but never by a rushed
// flip; after a long stall (loading, a fade) the pace starts afresh.
TEST(FramePacer, KeepsSixtyFlipsASecondMakingUpLateFramesWithoutRushingAny) {
    const Clock::duration tick = FramePacer::kTick;
    EXPECT_EQ(Flips(601, [](int) { return milliseconds(2); }), std::pair(tick, 600 * tick));
    auto [shortest, total] = Flips(601, [](int i) { return milliseconds(i % 7 == 3 ? 25 : 2); });
    EXPECT_GE(shortest, FramePacer::kShortestInterval);
    EXPECT_LE(total, 600 * tick + milliseconds(1));
    EXPECT_EQ(Flips(20, [](int i) { return milliseconds(i == 10 ? 500 : 2); }).first, tick);
}

// One pad, plugged in for the object's lifetime; nothing else comes or goes
// meanwhile, so its device index stays.
struct VirtualPad {
    VirtualPad() {
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                          SDL_CONTROLLER_BUTTON_MAX, 0);
        joystick = SDL_JoystickOpen(index);
    }
    ~VirtualPad() {
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(index);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    int index;
    SDL_Joystick* joystick;
};

// Pads plugged in before the game or while it runs are read with the
// keyboard, unless --no-gamepad: the buttons of the mapping, and the left
// stick beyond its dead zone, hold exactly their keys.
TEST(SdlGamepads, HoldTheKeysOfTheirButtonsAndLeftStickWhenComeAndGone) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    for (bool noGamepad : {false, true}) {
        platform::Options options;
        options.noGamepad = noGamepad;
        auto early = std::make_unique<VirtualPad>();
        auto backend = std::make_unique<platform::SdlBackend>(options);
        platform::SdlBackend& sdl = *backend;
        platform::ScopedPlatform installed(std::move(backend), options);
        auto expectOnly = [&](int code) {
            platform::KeyState keys{};
            sdl.PumpEvents();
            sdl.ReadKeys(keys);
            for (int i = 0; i < 256; ++i)
                ASSERT_EQ(keys[i], i == code && !noGamepad ? 0x80 : 0) << i;
        };
        const auto& buttons = platform::kPadButtonKeys;
        SDL_JoystickSetVirtualButton(early->joystick, buttons[0].button, 1);
        expectOnly(buttons[0].code);
        early.reset();  // pulled out
        expectOnly(-1);
        VirtualPad pad;
        for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
            auto key = std::find_if(buttons.begin(), buttons.end(),
                                    [&](auto& key) { return key.button == button; });
            SDL_JoystickSetVirtualButton(pad.joystick, button, 1);
            expectOnly(key == buttons.end() ? -1 : key->code);
            SDL_JoystickSetVirtualButton(pad.joystick, button, 0);
        }
        for (const platform::PadStickKey& stick : platform::kPadStickKeys) {
            for (int beyond : {-1, 1}) {  // a worn stick drifts just inside the dead zone
                SDL_JoystickSetVirtualAxis(pad.joystick, stick.axis,
                                           stick.sign * (platform::kStickDeadZone + beyond));
                expectOnly(beyond > 0 ? stick.code : -1);
            }
            SDL_JoystickSetVirtualAxis(pad.joystick, stick.axis, 0);
        }
    }
}

// A window is --scale times the picture, up to the largest scale taken. One
// that had the focus and loses it is deactivated; the close button reaches
// the game as a close, which destroys the window and ends the game.
TEST(SdlWindow, IsScaledAndTellsTheGameOfFocusChangesAndOfTheCloseButton) {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    platform::Options options;
    std::tie(options.window, options.scale) = std::tuple(true, platform::kMaxScale);
    auto backend = std::make_unique<platform::SdlBackend>(options);
    platform::SdlBackend& sdl = *backend;
    platform::ScopedPlatform installed(std::move(backend), options);
    appWindow = CreateAppWindow(640, 480);
    int width = 0, height = 0;
    SDL_GetWindowSize(sdl.window(), &width, &height);
    EXPECT_EQ(std::tuple(width, height), std::tuple(640 * options.scale, 480 * options.scale));
    sdl.PumpEvents();  // what the window's opening says comes first
    while (!platform::Current().queue().Empty()) platform::Current().queue().Take();
    // A key held down repeats, which is no press; a key that goes down, or a
    // click, is one, and cuts a fade short.
    SDL_Event repeat{.type = SDL_KEYDOWN};
    repeat.key.repeat = 1;
    SDL_PushEvent(&repeat);
    EXPECT_FALSE(platform::SkipRequested());
    for (Uint32 press : {SDL_KEYDOWN, SDL_MOUSEBUTTONDOWN}) {
        platform::BeginSkippableWait();
        SDL_Event event{.type = press};
        SDL_PushEvent(&event);
        EXPECT_TRUE(platform::SkipRequested()) << press;
    }
    for (Uint8 focus : {SDL_WINDOWEVENT_FOCUS_GAINED, SDL_WINDOWEVENT_FOCUS_LOST}) {
        SDL_Event event{.type = SDL_WINDOWEVENT};
        event.window.windowID = SDL_GetWindowID(sdl.window());
        event.window.event = focus;
        SDL_PushEvent(&event);
    }
    SDL_Event quit{.type = SDL_QUIT};
    SDL_PushEvent(&quit);
    std::vector<std::uintptr_t> taken;  // each message and its wParam, up to the quit
    for (platform::Message message;
         platform::PeekMessage(message) && platform::GetMessage(message);) {
        taken.insert(taken.end(), {message.message, message.wParam});
        platform::DispatchMessage(message);
    }
    EXPECT_EQ(taken,
              (std::vector<std::uintptr_t>{platform::WM_ACTIVATEAPP, 1, platform::WM_ACTIVATEAPP, 0,
                                           platform::WM_CLOSE, 0}));
    EXPECT_EQ(sdl.window(), nullptr);
}

// The player's own keys: a bound key reads as its game key, the key an
// action had before reads as nothing, and every other key as itself.
TEST(SdlKeys, AreReadThroughThePlayersBindings) {
    namespace sc = platform::scancode;
    platform::SdlKeyTable table;
    table.Bind(
        {{SDL_SCANCODE_F, sc::Space}, {SDL_SCANCODE_KP_4, sc::Left}, {SDL_SCANCODE_A, sc::Left}});
    const std::pair<SDL_Scancode, int> reads[] = {
        {SDL_SCANCODE_F, sc::Space}, {SDL_SCANCODE_KP_4, sc::Left}, {SDL_SCANCODE_A, sc::Left},
        {SDL_SCANCODE_SPACE, -1},    {SDL_SCANCODE_LEFT, -1},       {SDL_SCANCODE_RIGHT, sc::Right},
        {SDL_SCANCODE_Q, sc::Q}};
    for (auto [real, game] : reads) {
        std::vector<Uint8> state(SDL_NUM_SCANCODES);
        state[real] = 1;
        platform::KeyState keys{};
        table.AddKeysDown(state.data(), SDL_NUM_SCANCODES, keys);
        for (int code = 0; code < 256; ++code) {
            ASSERT_EQ(keys[code], code == game ? platform::KEY_DOWN : 0) << real << " as " << code;
        }
    }
}

}  // namespace
