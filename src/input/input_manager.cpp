#include "input/input_manager.h"

#include <array>

#include "common/debug_log.h"
#include "common/window_metrics.h"
#include "config/settings.h"
#include "input/key_actions.h"
#include "world/actors.h"
#include "world/pause.h"
#include "world/shield.h"
#include "world/world_state.h"

InputManager theInputManager;

namespace {

struct KeyAction {
    std::uint8_t code;
    void (*perform)(const InputManager& input);
};

// In order of priority: a poll acts on the first key of this table that is
// down and ignores the rest.
constexpr std::array<KeyAction, 9> kKeyTable = {{
    {platform::scancode::Escape, [](const InputManager&) { QuitGame(); }},
    {platform::scancode::P,
     [](const InputManager& input) {
         if (input.PauseKeyWentDown()) PauseGame();
     }},
    {platform::scancode::R, [](const InputManager&) { ReviveActors(); }},
    {platform::scancode::S,
     [](const InputManager& input) {
         if (input.ShieldKeyWentDown()) ToggleShield();
     }},
    {platform::scancode::Up, [](const InputManager&) { MovePlayerUp(); }},
    {platform::scancode::Down, [](const InputManager& input) { MovePlayerDown(input.moveLimitY); }},
    {platform::scancode::Right,
     [](const InputManager& input) { MovePlayerRight(input.moveLimitX); }},
    {platform::scancode::Left, [](const InputManager&) { MovePlayerLeft(); }},
    {platform::scancode::Space, [](const InputManager&) { Fire(); }},
}};

}  // namespace

bool InputManager::InitInput() {
    if (platform::Failed(platform::CreateInputSystem(directInput))) {
        return DebugLog("Failed to create direct input object!");
    }
    if (platform::Failed(directInput->CreateKeyboard(keyboard))) {
        return DebugLog("Failed to create input device (keyboard)!");
    }
    if (platform::Failed(keyboard->SetCooperativeLevel(
            appWindow, platform::DISCL_NONEXCLUSIVE | platform::DISCL_FOREGROUND))) {
        return DebugLog("Failed to set cooperative level!");
    }
    if (platform::Failed(keyboard->SetDataFormat())) return DebugLog("Failed to set data format!");
    if (platform::Failed(keyboard->Acquire())) {
        return DebugLog("Failed to acquire device (keyboard)!");
    }
    return true;
}

bool InputManager::ReadKeyboard() {
    // Only a keyboard that was never set up is missing; it reads as a failure.
    if (!keyboard) return DebugLog("Failed to get device state");
    platform::HRESULT result = keyboard->GetDeviceState(keyState);
    if (result == platform::E_NOTACQUIRED) {
        // The window went to the back and came again: take the keyboard
        // back, and act from the next frame on.
        DebugLog("Reaquiring device");
        keyboard->Acquire();
        return DebugLog("Failed to get device state");
    }
    if (platform::Failed(result)) return DebugLog("Failed to get device state");
    return true;
}

bool InputManager::PollKeyboard() {
    if (!moveLimitsSet) {
        moveLimitX = static_cast<std::uint16_t>(Settings::hres - player->width - 10);
        moveLimitY = static_cast<std::uint16_t>(Settings::vres - player->height);
        moveLimitsSet = true;
    }
    if (!ReadKeyboard()) return false;
    shieldKeyWentDown_ = WentDown(platform::scancode::S, shieldKeyWasDown_);
    pauseKeyWentDown_ = WentDown(platform::scancode::P, pauseKeyWasDown_);
    if (gamePaused) {
        // Escape still quits, P goes on, and every other key waits.
        if (KeyDown(platform::scancode::Escape)) {
            QuitGame();
        } else if (pauseKeyWentDown_) {
            ResumeGame();
        }
        return true;
    }
    for (const KeyAction& action : kKeyTable) {
        if (KeyDown(action.code)) {
            action.perform(*this);
            return true;
        }
    }
    return true;
}

bool InputManager::WentDown(std::uint8_t code, bool& wasDown) const {
    bool down = KeyDown(code);
    bool wentDown = down && !wasDown;
    wasDown = down;
    return wentDown;
}

void InputManager::Release() {
    keyboard.reset();
    directInput.reset();
}

void ResetInput() {
    theInputManager.Release();
    theInputManager = InputManager();
}
