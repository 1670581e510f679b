#include "platform/sdl/sdl_sound.h"

namespace platform {

SdlSoundDevice::SdlSoundDevice(std::unique_ptr<SdlAudioOutput> output,
                               std::shared_ptr<WaveWriter> file)
    : MixingSoundDevice(kMixFormat, SoundOutput::Audible), output_(std::move(output)) {
    if (file) file_ = std::make_unique<StreamedSoundFile>(std::move(file));
    output_->Start(mixer(), file_.get());
}

std::unique_ptr<MixingSoundDevice> OpenSdlSoundDevice(std::string& whyNot,
                                                      std::shared_ptr<WaveWriter> file) {
    auto output = SdlAudioOutput::Open(kMixFormat, whyNot);
    if (!output) return nullptr;
    return std::make_unique<SdlSoundDevice>(std::move(output), std::move(file));
}

}  // namespace platform
