#include "platform/core/silent_sound.h"

#include "platform/api/system.h"

namespace platform {

std::unique_ptr<MixingSoundDevice> SilentSound::MakeDevice(const std::string& why) {
    if (!reported_) {
        OutputDebugString("no audio output: sound is silent (" + why + ")\n");
        reported_ = true;
    }
    return std::make_unique<MixingSoundDevice>(kMixFormat, SoundOutput::Silent);
}

}  // namespace platform
