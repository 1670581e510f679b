#include "platform/core/mixer.h"

#include <SDL2/SDL_audio.h>

#include <algorithm>

namespace platform {

Voice::Voice(std::shared_ptr<const Pcm> samples, std::size_t start)
    : samples_(std::move(samples)), cursor_(std::min(start, samples_->size())) {
    if (cursor_ == samples_->size()) finished_.store(true, std::memory_order_release);
}

void Voice::MixInto(std::int16_t* out, std::size_t samples) {
    if (Finished()) return;
    std::size_t count = std::min(samples, samples_->size() - cursor_);
    SDL_MixAudioFormat(reinterpret_cast<Uint8*>(out),
                       reinterpret_cast<const Uint8*>(samples_->data() + cursor_), AUDIO_S16SYS,
                       static_cast<Uint32>(count * sizeof(std::int16_t)), SDL_MIX_MAXVOLUME);
    cursor_ += count;
    if (cursor_ == samples_->size()) finished_.store(true, std::memory_order_release);
}

void Mixer::Start(std::shared_ptr<Voice> voice) {
    std::lock_guard lock(mutex_);
    voices_.push_back(std::move(voice));
}

void Mixer::Mix(std::int16_t* out, std::size_t frames) {
    std::size_t samples = frames * static_cast<std::size_t>(format_.channels);
    std::fill_n(out, samples, std::int16_t{0});
    std::lock_guard lock(mutex_);
    for (const auto& voice : voices_) voice->MixInto(out, samples);
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
