// The SDL backend's sound device: the shared mixing device playing through
// SDL's audio output.
#pragma once

#include <memory>
#include <string>

#include "platform/core/sound_device.h"
#include "platform/sdl/sdl_audio_output.h"

namespace platform {

class SdlSoundDevice final : public MixingSoundDevice {
public:
    explicit SdlSoundDevice(std::unique_ptr<SdlAudioOutput> output);

private:
    // Declared in the derived class, so closed before the mixer and the
    // buffers it reads go.
    std::unique_ptr<SdlAudioOutput> output_;
};

// Opens the default output; none, with the reason in whyNot, when there is none.
std::unique_ptr<MixingSoundDevice> OpenSdlSoundDevice(std::string& whyNot);

}  // namespace platform
