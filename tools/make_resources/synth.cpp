#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "steady_math.h"

namespace resgen {

namespace {

constexpr float kTwoPi = 2.0F * std::numbers::pi_v<float>;

// The polynomial correction that rounds off a jump in a waveform over one
// sample on each side, removing most of its aliasing.
float PolyBlep(float phase, float step) {
    if (phase < step) {
        const float t = phase / step;
        return t + t - t * t - 1.0F;
    }
    if (phase > 1.0F - step) {
        const float t = (phase - 1.0F) / step;
        return t * t + t + t + 1.0F;
    }
    return 0.0F;
}

float Advance(float& phase, float frequency) {
    const float step = frequency / static_cast<float>(kSampleRate);
    phase += step;
    phase -= std::floor(phase);
    return step;
}

}  // namespace

int Samples(float seconds) {
    return static_cast<int>(std::lround(seconds * static_cast<float>(kSampleRate)));
}

float SawOscillator::Next(float frequency) {
    const float step = Advance(phase_, frequency);
    return 2.0F * phase_ - 1.0F - PolyBlep(phase_, step);
}

float SquareOscillator::Next(float frequency, float pulseWidth) {
    const float step = Advance(phase_, frequency);
    float value = phase_ < pulseWidth ? 1.0F : -1.0F;
    value += PolyBlep(phase_, step);
    float falling = phase_ - pulseWidth;
    falling -= std::floor(falling);
    value -= PolyBlep(falling, step);
    return value;
}

float SineOscillator::Next(float frequency) {
    Advance(phase_, frequency);
    return SteadySin(kTwoPi * phase_);
}

float LowPass::Next(float input, float cutoff) {
    // Chamberlin's filter is stable only well below a sixth of the rate.
    const float limited = std::clamp(cutoff, 20.0F, static_cast<float>(kSampleRate) / 6.5F);
    const float f =
        2.0F * SteadySin(std::numbers::pi_v<float> * limited / static_cast<float>(kSampleRate));
    low_ += f * band_;
    const float high = input - low_ - damping_ * band_;
    band_ += f * high;
    return low_;
}

float Adsr(float time, float length, float attack, float decay, float sustain, float release) {
    if (time < 0.0F) {
        return 0.0F;
    }
    float level = 0.0F;
    if (time < attack) {
        level = time / attack;
    } else if (time < attack + decay) {
        level = 1.0F - (1.0F - sustain) * (time - attack) / decay;
    } else {
        level = sustain;
    }
    if (time > length) {
        level *= std::max(0.0F, 1.0F - (time - length) / release);
    }
    return level;
}

void Finish(std::vector<float>& samples, float peak, float fadeIn, float fadeOut) {
    float loudest = 0.0F;
    for (const float s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0.0F) {
        for (float& s : samples) {
            s *= peak / loudest;
        }
    }
    const auto count = static_cast<int>(samples.size());
    const int in = std::min(Samples(fadeIn), count);
    const int out = std::min(Samples(fadeOut), count);
    for (int i = 0; i < in; ++i) {
        samples[static_cast<std::size_t>(i)] *= static_cast<float>(i) / static_cast<float>(in);
    }
    for (int i = 0; i < out; ++i) {
        samples[static_cast<std::size_t>(count - 1 - i)] *=
            static_cast<float>(i) / static_cast<float>(out);
    }
}

std::vector<std::int16_t> ToPcm16(const std::vector<float>& samples) {
    std::vector<std::int16_t> pcm;
    pcm.reserve(samples.size());
    for (const float s : samples) {
        pcm.push_back(
            static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0F, 1.0F) * 32767.0F)));
    }
    return pcm;
}

}  // namespace resgen
