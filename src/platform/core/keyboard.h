// The keyboard api's shared half: the device's set-up steps, its acquisition
// and the reading of its state. A backend only says which keys are down.
#pragma once

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

// What a backend's CreateInputSystem does: the shared input system, unless
// a failure was asked for.
HRESULT MakeInputSystem(std::unique_ptr<InputSystem>& input);

}  // namespace platform
