#include "platform/core/sound/mixer.h"

#include <algorithm>

namespace platform {
namespace {
// The frames mixed at a time: the sum's buffer is made once, this size.
constexpr std::size_t kBlockFrames = 512;
}  // namespace

Voice::Voice(std::shared_ptr<const Pcm> samples, std::size_t start)
    : samples_(std::move(samples)), cursor_(std::min(start, samples_->size())) {
    if (cursor_ == samples_->size()) finished_.store(true, std::memory_order_release);
}

void Voice::MixInto(std::int32_t* sum, std::size_t samples) {
    if (Finished()) return;
    std::size_t count = std::min(samples, samples_->size() - cursor_);
    const std::int16_t* from = samples_->data() + cursor_;
    for (std::size_t i = 0; i < count; ++i) sum[i] += from[i];
    cursor_ += count;
    if (cursor_ == samples_->size()) finished_.store(true, std::memory_order_release);
}

Mixer::Mixer(MixFormat format)
    : format_(format),
      limiter_(format.rate, format.channels),
      sum_(kBlockFrames * static_cast<std::size_t>(format.channels)) {}

void Mixer::Start(std::shared_ptr<Voice> voice) {
    std::lock_guard lock(mutex_);
    voices_.push_back(std::move(voice));
}

void Mixer::Mix(std::int16_t* out, std::size_t frames) {
    auto channels = static_cast<std::size_t>(format_.channels);
    std::lock_guard lock(mutex_);
    while (frames > 0) {
        std::size_t block = std::min(frames, kBlockFrames);
        std::fill_n(sum_.begin(), block * channels, 0);
        for (const auto& voice : voices_) voice->MixInto(sum_.data(), block * channels);
        limiter_.Process(sum_.data(), out, block);
        out += block * channels;
        frames -= block;
    }
}

void Mixer::DropFinished() {
    std::lock_guard lock(mutex_);
    std::erase_if(voices_, [](const auto& voice) { return voice->Finished(); });
}

std::size_t Mixer::VoiceCount() {
    std::lock_guard lock(mutex_);
    return voices_.size();
}

}  // namespace platform
