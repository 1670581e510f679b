// The voice list: every sound that is playing, mixed into the output.
// The game thread starts voices; the output (an audio thread, or a test)
// pulls mixed samples. The voices are added up in 32 bits and the sum goes
// through the limiter, so that sounds piling up are turned down, not
// clipped. A voice that reaches its end is marked finished by the mixer and
// dropped by the game thread, so nothing is freed under the output's feet
// and the audio thread never allocates.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/core/sound/limiter.h"
#include "platform/core/sound/sound_conversion.h"

namespace platform {

// One play of a buffer's samples, from a start sample to their end.
class Voice {
public:
    Voice(std::shared_ptr<const Pcm> samples, std::size_t start);

    bool Finished() const { return finished_.load(std::memory_order_acquire); }

    // Adds the next samples into sum and moves on; called with the mixer's
    // lock held.
    void MixInto(std::int32_t* sum, std::size_t samples);

private:
    std::shared_ptr<const Pcm> samples_;
    std::size_t cursor_;
    std::atomic<bool> finished_{false};
};

class Mixer {
public:
    explicit Mixer(MixFormat format);

    MixFormat format() const { return format_; }
    // Frames the output runs behind the voices (the limiter's look-ahead).
    std::size_t DelayFrames() const { return limiter_.DelayFrames(); }

    void Start(std::shared_ptr<Voice> voice);
    // Fills out with the next frames of every voice added together; silence
    // where nothing plays. Never allocates.
    void Mix(std::int16_t* out, std::size_t frames);
    // Drops the voices that have finished (game thread).
    void DropFinished();
    std::size_t VoiceCount();

private:
    MixFormat format_;
    std::mutex mutex_;
    std::vector<std::shared_ptr<Voice>> voices_;
    Limiter limiter_;
    std::vector<std::int32_t> sum_;  // one block of frames, made once
};

}  // namespace platform
