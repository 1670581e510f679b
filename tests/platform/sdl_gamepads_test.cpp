// Game controllers as keys: a pad plugged in through SDL's virtual joystick,
// which SDL opens as a game controller with its standard layout. Needs no
// display.
#include "platform/sdl/sdl_gamepads.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"

namespace {

namespace sc = platform::scancode;
constexpr int kNone = -1;

// One pad, plugged in for the object's lifetime (or until unplugged).
class VirtualPad {
public:
    VirtualPad() {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
        started_ = true;
        SDL_VirtualJoystickDesc description{};
        description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        description.naxes = SDL_CONTROLLER_AXIS_MAX;
        description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        description.name = "test pad";
        int index = SDL_JoystickAttachVirtualEx(&description);
        if (index >= 0) joystick_ = SDL_JoystickOpen(index);
    }
    ~VirtualPad() {
        Unplug();
        if (started_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return joystick_ != nullptr; }
    void Press(SDL_GameControllerButton button, bool down = true) {
        SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
    }
    void Tilt(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick_, axis, value);
    }
    void Unplug() {
        if (joystick_ == nullptr) return;
        SDL_JoystickID instance = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == instance) SDL_JoystickDetachVirtual(i);
        }
    }

private:
    bool started_ = false;
    SDL_Joystick* joystick_ = nullptr;
};

class Gamepads : public ::testing::Test {
protected:
    // What the game would read now, on top of the given keyboard keys.
    platform::KeyState Keys(platform::KeyState keys = {}) {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) pads->HandleEvent(event);
        pads->AddKeysDown(keys);
        return keys;
    }

    // Exactly one key down, or none (kNone).
    static void ExpectOnly(const platform::KeyState& keys, int code) {
        for (int i = 0; i < 256; ++i) EXPECT_EQ(keys[i], i == code ? 0x80 : 0) << "code " << i;
    }

    std::unique_ptr<platform::SdlGamepads> pads = std::make_unique<platform::SdlGamepads>();
};

TEST_F(Gamepads, EachButtonAndDpadDirectionHoldsItsKeyUntilReleased) {
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    const std::pair<SDL_GameControllerButton, int> mapped[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, sc::Up},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, sc::Down},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, sc::Left},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, sc::Right},
        {SDL_CONTROLLER_BUTTON_A, sc::Space},
        {SDL_CONTROLLER_BUTTON_B, sc::S},
        {SDL_CONTROLLER_BUTTON_Y, sc::R},
        {SDL_CONTROLLER_BUTTON_BACK, sc::Escape},
    };
    for (const auto& [button, code] : mapped) {
        pad.Press(button);
        ExpectOnly(Keys(), code);
        pad.Press(button, false);
        ExpectOnly(Keys(), kNone);
    }
    // Buttons the game has no use for hold nothing.
    pad.Press(SDL_CONTROLLER_BUTTON_X);
    pad.Press(SDL_CONTROLLER_BUTTON_START);
    ExpectOnly(Keys(), kNone);
}

TEST_F(Gamepads, TheLeftStickHoldsAnArrowOnlyBeyondItsDeadZone) {
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    const Sint16 drift = 9000;  // a worn stick at rest
    const Sint16 pushed = 20000;
    const struct {
        SDL_GameControllerAxis axis;
        Sint16 value;
        int code;
    } cases[] = {
        {SDL_CONTROLLER_AXIS_LEFTX, drift, kNone},
        {SDL_CONTROLLER_AXIS_LEFTX, -drift, kNone},
        {SDL_CONTROLLER_AXIS_LEFTY, drift, kNone},
        {SDL_CONTROLLER_AXIS_LEFTX, pushed, sc::Right},
        {SDL_CONTROLLER_AXIS_LEFTX, -pushed, sc::Left},
        {SDL_CONTROLLER_AXIS_LEFTY, -pushed, sc::Up},
        {SDL_CONTROLLER_AXIS_LEFTY, 32767, sc::Down},
        {SDL_CONTROLLER_AXIS_RIGHTX, pushed, kNone},
    };
    for (const auto& push : cases) {
        pad.Tilt(push.axis, push.value);
        ExpectOnly(Keys(), push.code);
        pad.Tilt(push.axis, 0);
        ExpectOnly(Keys(), kNone);
    }
}

TEST_F(Gamepads, PadKeysJoinTheKeyboardsAndComeAndGoWithThePad) {
    // A pad plugged in before the game starts is found as well.
    pads.reset();
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pads = std::make_unique<platform::SdlGamepads>();
    platform::KeyState keyboard{};
    keyboard[sc::Left] = 0x80;
    keyboard[sc::Space] = 0x80;
    pad.Press(SDL_CONTROLLER_BUTTON_A);
    pad.Press(SDL_CONTROLLER_BUTTON_DPAD_UP);
    platform::KeyState both = keyboard;
    both[sc::Up] = 0x80;  // Space is held on both
    EXPECT_EQ(Keys(keyboard), both);

    pad.Unplug();
    EXPECT_EQ(Keys(keyboard), keyboard);
    EXPECT_EQ(pads->Count(), 0u);

    // Plugged in again while the game runs.
    VirtualPad again;
    again.Press(SDL_CONTROLLER_BUTTON_B);
    ExpectOnly(Keys(), sc::S);
    EXPECT_EQ(pads->Count(), 1u);
}

// The backend reads the pads with the keyboard, unless told not to.
TEST(SdlBackendGamepads, ThePadIsReadWithTheKeyboardAndNoGamepadLeavesItAlone) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    for (bool noGamepad : {false, true}) {
        platform::Options options;
        options.window = true;
        options.noGamepad = noGamepad;
        auto backend = std::make_unique<platform::SdlBackend>(options);
        platform::SdlBackend& sdl = *backend;
        platform::ScopedPlatform installed(std::move(backend), options);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0, !noGamepad);

        VirtualPad pad;
        ASSERT_TRUE(pad.plugged()) << SDL_GetError();
        pad.Press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        sdl.PumpEvents();
        platform::KeyState keys{};
        sdl.ReadKeys(keys);
        EXPECT_EQ(keys[sc::Left], noGamepad ? 0 : 0x80) << "--no-gamepad " << noGamepad;
    }
}

}  // namespace
