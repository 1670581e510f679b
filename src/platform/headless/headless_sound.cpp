#include "platform/headless/headless_sound.h"

#include <algorithm>
#include <vector>

#include "platform/core/platform.h"

namespace platform {

namespace {
// No sound of the game lasts this long: a longer gap plays every voice out.
constexpr std::uint32_t kLongestCatchUpMs = 60000;
constexpr std::size_t kChunkFrames = 4096;
}  // namespace

HeadlessSoundDevice::HeadlessSoundDevice(std::shared_ptr<SoundRecord> record,
                                         ClockedSoundFile* file)
    : MixingSoundDevice(kMixFormat, SoundOutput::Audible),
      record_(std::move(record)),
      file_(file),
      caughtUpAt_(Current().backend().Now()) {
    if (file_ != nullptr && file_->attached() == nullptr) {
        file_->CatchUp(caughtUpAt_);  // the silence before
        file_->Attach(&mixer());
    }
}

HeadlessSoundDevice::~HeadlessSoundDevice() {
    if (file_ == nullptr || file_->attached() != &mixer()) return;
    file_->CatchUp(Current().backend().Now());
    file_->Attach(nullptr);
}

void HeadlessSoundDevice::CatchUp() {
    std::uint32_t now = Current().backend().Now();
    if (PlaysIntoFile()) {
        file_->CatchUp(now);
        caughtUpAt_ = now;
        return;
    }
    std::uint32_t elapsed = std::min(now - caughtUpAt_, kLongestCatchUpMs);
    caughtUpAt_ = now;
    if (mixer().VoiceCount() == 0) return;
    std::size_t frames = std::size_t{elapsed} * kMixFormat.rate / 1000;
    std::vector<std::int16_t> nowhere(kChunkFrames * kMixFormat.channels);
    for (std::size_t done = 0; done < frames; done += kChunkFrames) {
        mixer().Mix(nowhere.data(), std::min(kChunkFrames, frames - done));
    }
}

void HeadlessSoundDevice::NoteDescription(const SoundBufferDescription& description) {
    record_->lastDescription = description;
}

void HeadlessSoundDevice::NotePlay(const MixingSoundBuffer& buffer) {
    record_->plays.push_back({&buffer, &buffer.origin(), buffer.IsCopy()});
}

}  // namespace platform
