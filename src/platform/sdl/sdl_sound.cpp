#include "platform/sdl/sdl_sound.h"

namespace platform {

SdlSoundDevice::SdlSoundDevice(std::unique_ptr<SdlAudioOutput> output)
    : MixingSoundDevice(kMixFormat, SoundOutput::Audible), output_(std::move(output)) {
    output_->Start(mixer());
}

std::unique_ptr<MixingSoundDevice> OpenSdlSoundDevice(std::string& whyNot) {
    auto output = SdlAudioOutput::Open(kMixFormat, whyNot);
    if (!output) return nullptr;
    return std::make_unique<SdlSoundDevice>(std::move(output));
}

}  // namespace platform
