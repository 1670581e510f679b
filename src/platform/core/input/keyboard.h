// The keyboard api's shared half: the device's set-up steps, its acquisition
// and the reading of its state. A backend only says which keys are down.
// Also the letters and digits in the keyboard's scan codes, which follow the
// keys' places on the board rather than the alphabet.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/api/input.h"

namespace platform {

class Keyboard : public KeyboardDevice {
public:
    HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t flags) override;
    HRESULT SetDataFormat() override;
    HRESULT Acquire() override;
    HRESULT GetDeviceState(KeyState& keys) override;

private:
    bool Acquired() const;

    bool formatSet_ = false;
    // The platform's count of keyboard losses when this device was acquired;
    // any loss since then leaves the device unacquired.
    std::optional<std::uint32_t> acquiredAtLoss_;
};

class KeyboardInput : public InputSystem {
public:
    HRESULT CreateKeyboard(std::unique_ptr<KeyboardDevice>& keyboard) override;
};

// 'A' to 'Z' (either case); none for anything else.
std::optional<std::uint8_t> LetterScanCode(char letter);
// '0' to '9'; none for anything else.
std::optional<std::uint8_t> DigitScanCode(char digit);

}  // namespace platform
