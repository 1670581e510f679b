#include "platform/core/sound/limiter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

// Gains are fixed-point numbers with 24 fraction bits: exact and the same on
// every machine, and fine enough for 16-bit samples.
constexpr int kGainBits = 24;
constexpr std::int32_t kUnity = 1 << kGainBits;

std::size_t FramesOf(int rate, int milliseconds) {
    return std::max<std::size_t>(1, static_cast<std::size_t>(rate) * milliseconds / 1000);
}

// The sample times the gain, rounded towards zero so that it never grows.
std::int16_t Apply(std::int32_t sample, std::int32_t gain) {
    std::int64_t scaled = (std::int64_t{std::abs(sample)} * gain) >> kGainBits;
    return static_cast<std::int16_t>(sample < 0 ? -scaled : scaled);
}

}  // namespace

// The gain is the least that any frame of the hold needs, released towards
// full and then averaged over the attack's frames. Each of those frames
// needs at most what the frame leaving the delay needs, so their average
// does too: the output never passes the ceiling, and the gain moves along
// ramps, never in steps.
Limiter::Limiter(int rate, int channels)
    : channels_(static_cast<std::size_t>(channels)),
      releaseStep_(
          std::llround(std::ldexp(1.0 - std::exp(-1000.0 / (kReleaseMs * rate)), kGainBits))),
      delay_(FramesOf(rate, kAttackMs) * channels_, 0),
      needs_(std::max(FramesOf(rate, kHoldMs), FramesOf(rate, kAttackMs))),
      holdFrames_(needs_.size()),
      released_(kUnity),
      ramp_(FramesOf(rate, kAttackMs), kUnity),
      rampSum_(static_cast<std::int64_t>(ramp_.size()) * kUnity) {}

void Limiter::Process(const std::int32_t* in, std::int16_t* out, std::size_t frames) {
    std::size_t attackFrames = ramp_.size();
    for (std::size_t i = 0; i < frames; ++i, in += channels_, out += channels_) {
        std::int32_t gain = Smoothed(Held(NeededGain(in)));
        std::copy_n(in, channels_, &delay_[delayAt_ * channels_]);
        delayAt_ = (delayAt_ + 1) % attackFrames;
        const std::int32_t* delayed = &delay_[delayAt_ * channels_];
        for (std::size_t channel = 0; channel < channels_; ++channel) {
            out[channel] = Apply(delayed[channel], gain);
        }
        ++frame_;
    }
}

std::int32_t Limiter::NeededGain(const std::int32_t* frame) const {
    std::int64_t peak = 0;
    for (std::size_t channel = 0; channel < channels_; ++channel) {
        peak = std::max(peak, std::abs(std::int64_t{frame[channel]}));
    }
    if (peak <= kCeiling) return kUnity;
    return static_cast<std::int32_t>((std::int64_t{kCeiling} << kGainBits) / peak);
}

std::int32_t Limiter::Held(std::int32_t needed) {
    if (needsCount_ > 0 && needs_[needsFront_].frame + holdFrames_ <= frame_) {
        needsFront_ = (needsFront_ + 1) % holdFrames_;
        --needsCount_;
    }
    while (needsCount_ > 0 &&
           needs_[(needsFront_ + needsCount_ - 1) % holdFrames_].gain >= needed) {
        --needsCount_;
    }
    needs_[(needsFront_ + needsCount_) % holdFrames_] = {needed, frame_};
    ++needsCount_;
    return needs_[needsFront_].gain;
}

std::int32_t Limiter::Smoothed(std::int32_t held) {
    if (held < released_) {
        released_ = held;
    } else {
        // Rounded up, so that it gets all the way back.
        released_ += static_cast<std::int32_t>(((held - released_) * releaseStep_ + kUnity - 1) >>
                                               kGainBits);
    }
    rampSum_ += released_ - ramp_[rampAt_];
    ramp_[rampAt_] = released_;
    rampAt_ = (rampAt_ + 1) % ramp_.size();
    return static_cast<std::int32_t>(rampSum_ / static_cast<std::int64_t>(ramp_.size()));
}

}  // namespace platform
