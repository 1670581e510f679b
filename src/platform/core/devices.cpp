// The device factories of the api hand over to the backend in use.
#include "platform/api/display.h"
#include "platform/api/input.h"
#include "platform/api/sound.h"
#include "platform/core/platform.h"

namespace platform {

HRESULT CreateDisplayDevice(std::unique_ptr<DisplayDevice>& device) {
    return Current().backend().CreateDisplayDevice(device);
}

HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) {
    return Current().backend().CreateSoundDevice(device);
}

HRESULT CreateInputSystem(std::unique_ptr<InputSystem>& input) {
    return Current().backend().CreateInputSystem(input);
}

}  // namespace platform
