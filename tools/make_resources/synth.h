// A tiny synthesiser: oscillators, filters, envelopes and the finishing
// touches every sound of the game gets.
#pragma once

#include <cstdint>
#include <vector>

namespace resgen {

constexpr int kSampleRate = 22050;

// Seconds to a sample count at our rate.
int Samples(float seconds);

// A band-limited sawtooth: the naive one aliases badly at 22 kHz.
class SawOscillator {
public:
    float Next(float frequency);

private:
    float phase_ = 0.0F;
};

class SquareOscillator {
public:
    float Next(float frequency, float pulseWidth = 0.5F);

private:
    float phase_ = 0.0F;
};

class SineOscillator {
public:
    float Next(float frequency);

private:
    float phase_ = 0.0F;
};

// A state-variable filter; its cutoff may change on every sample, which is
// what sweeps are made of.
class LowPass {
public:
    explicit LowPass(float resonance = 0.7F) : damping_(1.0F / resonance) {}
    float Next(float input, float cutoff);

private:
    float damping_;
    float low_ = 0.0F;
    float band_ = 0.0F;
};

// Attack, decay to a sustain level, and release after the note's length.
float Adsr(float time, float length, float attack, float decay, float sustain, float release);

// Scales the sound to the given peak (below full scale), then fades its
// first and last moments to silence so it starts and stops without a click.
void Finish(std::vector<float>& samples, float peak, float fadeIn, float fadeOut);

// Rounds to 16-bit PCM.
std::vector<std::int16_t> ToPcm16(const std::vector<float>& samples);

}  // namespace resgen
