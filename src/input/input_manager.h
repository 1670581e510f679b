// The keyboard: the device the game reads once a frame, and the one key
// action each reading may lead to.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/api/input.h"

class InputManager {
public:
    // Creates and acquires the keyboard for the application window; false
    // after logging the step that failed (what was made stays in place).
    bool InitInput();
    // Reads the keyboard and performs the action of the most important key
    // held, if any. False when the state cannot be read.
    bool PollKeyboard();
    // Gives up the keyboard device and the input system (shutdown).
    void Release();

    std::unique_ptr<platform::InputSystem> directInput;
    std::unique_ptr<platform::KeyboardDevice> keyboard;
    platform::KeyState keyState{};
    // The ship's move bounds, fixed at the first poll.
    std::uint16_t moveLimitX = 0;
    std::uint16_t moveLimitY = 0;
    bool moveLimitsSet = false;

    // S was up in the previous successful reading and is down in this one. A
    // tap lasts several frames, and toggling in each would spend every shield
    // and leave it down: S acts once a press. The first reading counts as
    // coming after all keys were up; a failed reading changes nothing.
    bool ShieldKeyWentDown() const { return shieldKeyWentDown_; }
    // P (the pad's Start) pauses and resumes once a press, the same way.
    bool PauseKeyWentDown() const { return pauseKeyWentDown_; }

private:
    bool ReadKeyboard();
    bool KeyDown(std::uint8_t code) const { return (keyState[code] & platform::KEY_DOWN) != 0; }
    // The key is down in this reading and was not in the previous one.
    bool WentDown(std::uint8_t code, bool& wasDown) const;

    bool shieldKeyWasDown_ = false;
    bool shieldKeyWentDown_ = false;
    bool pauseKeyWasDown_ = false;
    bool pauseKeyWentDown_ = false;
};

extern InputManager theInputManager;

// Gives up the keyboard and forgets everything read (tests).
void ResetInput();
