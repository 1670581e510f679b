#include "sounds.h"

#include <array>
#include <cmath>
#include <numbers>

#include "random.h"
#include "steady_math.h"
#include "synth.h"

namespace resgen {

namespace {

constexpr float kTwoPi = 2.0F * std::numbers::pi_v<float>;

float NoteFrequency(int midiNote) {
    return 440.0F * SteadyPow(2.0F, static_cast<float>(midiNote - 69) / 12.0F);
}

struct Note {
    float start;   // seconds
    float length;  // seconds held
    int pitch;     // MIDI note number
};

// The lead: a saw and a pulse through a filter that opens at each note's
// start and closes as it fades, like a plucked analogue synth.
void AddLead(std::vector<float>& out, const Note& note) {
    SawOscillator saw;
    SquareOscillator pulse;
    LowPass filter(0.9F);
    const float frequency = NoteFrequency(note.pitch);
    const int first = Samples(note.start);
    const int count = Samples(note.length + 0.3F);
    for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(kSampleRate);
        const float envelope = Adsr(t, note.length, 0.006F, 0.12F, 0.55F, 0.28F);
        // A gentle vibrato creeps into the longer notes.
        const float vibrato =
            1.0F + 0.004F * SteadySin(kTwoPi * 5.5F * t) * std::min(1.0F, t / 0.4F);
        const float tone =
            0.6F * saw.Next(frequency * vibrato) + 0.4F * pulse.Next(frequency * 1.003F, 0.3F);
        const float cutoff = 400.0F + 2400.0F * envelope;
        out[static_cast<std::size_t>(first + i)] += 0.5F * envelope * filter.Next(tone, cutoff);
    }
}

// The bass: a soft square, one long note per chord.
void AddBass(std::vector<float>& out, const Note& note) {
    SquareOscillator square;
    LowPass filter(0.7F);
    const float frequency = NoteFrequency(note.pitch);
    const int first = Samples(note.start);
    const int count = Samples(note.length + 0.3F);
    for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(kSampleRate);
        const float envelope = Adsr(t, note.length, 0.02F, 0.3F, 0.7F, 0.3F);
        out[static_cast<std::size_t>(first + i)] +=
            0.4F * envelope * filter.Next(square.Next(frequency), 700.0F);
    }
}

// A single echo a dotted eighth later, so the phrase rings into space.
void AddEcho(std::vector<float>& samples, float delaySeconds, float feedback) {
    const auto delay = static_cast<std::size_t>(Samples(delaySeconds));
    for (std::size_t i = delay; i < samples.size(); ++i) {
        samples[i] += feedback * samples[i - delay];
    }
}

}  // namespace

std::vector<float> MakeIntroPhrase() {
    // A minor climb and a fall that comes to rest on the fifth, unresolved,
    // leaving the player waiting for what comes next.
    constexpr std::array<Note, 9> kMelody{{{0.00F, 0.16F, 69},
                                           {0.18F, 0.16F, 72},
                                           {0.36F, 0.16F, 76},
                                           {0.54F, 0.36F, 81},
                                           {0.94F, 0.16F, 79},
                                           {1.12F, 0.16F, 76},
                                           {1.30F, 0.16F, 74},
                                           {1.48F, 0.16F, 72},
                                           {1.66F, 0.62F, 76}}};
    constexpr std::array<Note, 3> kBass{
        {{0.00F, 0.86F, 45}, {0.90F, 0.72F, 41}, {1.64F, 0.66F, 40}}};
    std::vector<float> samples(static_cast<std::size_t>(Samples(2.7F)), 0.0F);
    for (const Note& note : kMelody) {
        AddLead(samples, note);
    }
    for (const Note& note : kBass) {
        AddBass(samples, note);
    }
    AddEcho(samples, 0.27F, 0.32F);
    Finish(samples, kSoundPeak, 0.004F, 0.25F);
    return samples;
}

std::vector<float> MakeHitBlast() {
    Rng rng(0xB00B5ULL);
    LowPass filter(1.1F);
    SineOscillator thump;
    std::vector<float> samples(static_cast<std::size_t>(Samples(0.5F)));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(kSampleRate);
        // The filter closes from a bright crack to a low rumble.
        const float cutoff = 150.0F + 5800.0F * SteadyExp(-t / 0.07F);
        const float noise = filter.Next(rng.Uniform(-1.0F, 1.0F), cutoff);
        const float body =
            thump.Next(45.0F + 75.0F * SteadyExp(-t / 0.06F)) * SteadyExp(-t / 0.13F);
        const float envelope = std::min(1.0F, t / 0.002F) * SteadyExp(-t / 0.11F);
        samples[i] = 1.6F * noise * envelope + 0.5F * body;
    }
    Finish(samples, kSoundPeak, 0.002F, 0.05F);
    return samples;
}

std::vector<float> MakeShieldZap() {
    Rng rng(0x2A9ULL);
    SawOscillator buzz;
    SquareOscillator edge;
    LowPass crackleFilter(0.6F);
    std::vector<float> samples(static_cast<std::size_t>(Samples(0.6F)));
    float crackle = 0.0F;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(kSampleRate);
        // The buzz climbs from a hum to a whine as the field charges.
        const float pitch = 90.0F * SteadyPow(6.0F, t / 0.6F);
        const float jitter = 1.0F + 0.05F * rng.Uniform(-1.0F, 1.0F);
        const float tone =
            0.6F * buzz.Next(pitch * jitter) + 0.25F * edge.Next(pitch * 2.01F, 0.2F);
        // Random sparks: short bursts of bright noise.
        if (rng.Chance(0.004F)) {
            crackle = 1.0F;
        }
        crackle *= 0.993F;
        const float white = rng.Uniform(-1.0F, 1.0F);
        const float spark = (white - crackleFilter.Next(white, 2000.0F)) * crackle;
        const float envelope =
            std::min(1.0F, t / 0.01F) * (0.75F + 0.25F * SteadySin(kTwoPi * 28.0F * t));
        samples[i] = envelope * (tone + 0.7F * spark);
    }
    Finish(samples, kSoundPeak, 0.005F, 0.12F);
    return samples;
}

}  // namespace resgen
