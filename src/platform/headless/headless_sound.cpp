#include "platform/headless/headless_sound.h"

namespace platform {

HeadlessSoundDevice::HeadlessSoundDevice(std::shared_ptr<SoundRecord> record)
    : MixingSoundDevice(kMixFormat, SoundOutput::Audible), record_(std::move(record)) {}

void HeadlessSoundDevice::NoteDescription(const SoundBufferDescription& description) {
    record_->lastDescription = description;
}

void HeadlessSoundDevice::NotePlay(const MixingSoundBuffer& buffer) {
    record_->plays.push_back({&buffer, &buffer.origin(), buffer.IsCopy()});
}

}  // namespace platform
