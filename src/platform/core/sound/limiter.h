// Keeps the sum of the voices inside 16 bits without clipping. Where the sum
// would pass the ceiling, the whole output is turned down smoothly instead:
// the gain falls along a ramp that ends just as the loud moment arrives (the
// output runs a little behind the input for that), stays down while it lasts
// and comes back up gently. Below the ceiling, the samples pass unchanged.
// Everything is integer arithmetic, so the same input gives the same output
// on every run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

class Limiter {
public:
    // About -1 dBFS: the game's own sounds peak just below it, so a lone
    // effect passes untouched.
    static constexpr std::int32_t kCeiling = 29204;
    // How long the gain takes to come down (and so how far the output runs
    // behind): long enough not to click, short enough not to be heard.
    static constexpr int kAttackMs = 2;
    // How long the gain stays down after a peak before it rises again, so
    // that it does not follow the waveform of a low sound.
    static constexpr int kHoldMs = 10;
    // The time constant of the rise back to full gain.
    static constexpr int kReleaseMs = 80;

    Limiter(int rate, int channels);

    // Frames the output runs behind the input.
    std::size_t DelayFrames() const { return delay_.size() / channels_ - 1; }

    // Turns frames of summed voices (interleaved) into output samples.
    void Process(const std::int32_t* in, std::int16_t* out, std::size_t frames);

private:
    // The gain the frame needs at most (kUnity when none is needed).
    std::int32_t NeededGain(const std::int32_t* frame) const;
    // The least needed gain of the hold's frames, the current one included.
    std::int32_t Held(std::int32_t needed);
    // Falls at once, rises by the release; then the ramp of the attack.
    std::int32_t Smoothed(std::int32_t held);

    struct Need {
        std::int32_t gain;
        std::uint64_t frame;
    };

    std::size_t channels_;
    std::int64_t releaseStep_;  // of the distance to the held gain per frame, in units of kUnity
    std::uint64_t frame_ = 0;   // frames processed so far

    // The input waiting for its gain, the attack's frames and one.
    std::vector<std::int32_t> delay_;
    std::size_t delayAt_ = 0;
    // Needed gains in the hold, each smaller than the ones before it: the
    // front is the least.
    std::vector<Need> needs_;
    std::size_t needsFront_ = 0;
    std::size_t needsCount_ = 0;
    std::size_t holdFrames_;
    std::int32_t released_;
    // The last attack's worth of released gains and their sum.
    std::vector<std::int32_t> ramp_;
    std::size_t rampAt_ = 0;
    std::int64_t rampSum_;
};

}  // namespace platform
