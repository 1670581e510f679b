// The device factories of the api hand over to the backend in use (the
// display device is shared by all backends: see display_device.cpp).
#include "platform/api/input.h"
#include "platform/api/sound.h"
#include "platform/core/platform.h"

namespace platform {

HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) {
    return Current().backend().CreateSoundDevice(device);
}

}  // namespace platform
