#include "platform/headless/clocked_sound_file.h"

#include <algorithm>
#include <span>

namespace platform {

ClockedSoundFile::ClockedSoundFile(std::string fileName, std::uint32_t now)
    : writer_(std::move(fileName), kMixFormat), caughtUpAt_(now) {}

void ClockedSoundFile::CatchUp(std::uint32_t now) {
    elapsedMs_ += now - caughtUpAt_;  // the clock wraps; the difference does not
    caughtUpAt_ = now;
    std::uint64_t due = elapsedMs_ * static_cast<std::uint64_t>(kMixFormat.rate) / 1000;
    auto channels = static_cast<std::size_t>(kMixFormat.channels);
    while (framesWritten_ < due && !writer_.full() && !writer_.failed()) {
        auto frames =
            static_cast<std::size_t>(std::min<std::uint64_t>(kBlockFrames, due - framesWritten_));
        if (mixer_ != nullptr) {
            mixer_->Mix(block_.data(), frames);
            writer_.Append(std::span(block_).first(frames * channels));
        } else {
            writer_.AppendSilence(frames * channels);
        }
        framesWritten_ += frames;
    }
}

bool ClockedSoundFile::Finish(std::uint32_t now) {
    CatchUp(now);
    return writer_.Close();
}

}  // namespace platform
