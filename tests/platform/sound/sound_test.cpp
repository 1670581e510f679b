// The platform's sound: the shared device, its mixer and the limiter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>

#include "platform/core/platform.h"
#include "platform/core/sound/limiter.h"
#include "sound/sound_manager.h"
#include "support/headless_platform.h"
#include "support/wave_files.h"

namespace {

// The shared sound device on the headless backend: how buffers and their
// copies play and are freed, the formats it converts, and the limiter that
// keeps piled-up sounds from clipping.

using platform::SoundBuffer;
using Samples = std::vector<std::int16_t>;

class MixingDevice : public HeadlessTest {
protected:
    void SetUp() override { ASSERT_EQ(headless.backend().CreateSoundDevice(device), 0); }
    // Frames of one level in the output's own format, so that sums are exact.
    SoundBuffer* Level(std::int16_t level, std::size_t frames) {
        return LoadedBuffer(*device, PcmFormat(2, 44100, 16),
                            Samples16(Samples(frames * 2, level)));
    }
    SoundBuffer* Copy(SoundBuffer* source) {
        SoundBuffer* copy = nullptr;
        EXPECT_EQ(device->DuplicateSoundBuffer(source, copy), 0);
        return copy;
    }
    std::size_t Buffers() { return ::Mixing(*device).BufferCount(); }

    std::unique_ptr<platform::SoundDevice> device;
};

TEST_F(MixingDevice, CopiesAddUpEachFromItsStartAndABufferPlaysFromItsPositionThenFromItsStart) {
    SoundBuffer* effect = Level(1000, 3);
    Copy(effect)->Play();
    Pull(*device, 1);
    Copy(Copy(effect))->Play();  // a copy of a copy plays the same sound
    EXPECT_EQ(Heard(*device, 4), (Samples{2000, 2000, 2000, 2000, 1000, 1000, 0, 0}));
    const auto& plays = headless.backend().sound().plays;
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_TRUE(plays[1].origin == effect && plays[1].copy && plays[0].buffer != plays[1].buffer);

    SoundBuffer* buffer =
        LoadedBuffer(*device, PcmFormat(2, 44100, 16), Samples16({1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(buffer->SetCurrentPosition(13), platform::E_INVALIDARG);
    ASSERT_EQ(buffer->SetCurrentPosition(8), 0);  // the third frame
    buffer->Play();
    buffer->Play();  // already playing: it goes on
    EXPECT_EQ(Heard(*device, 2), (Samples{3, 3, 0, 0}));
    buffer->Play();
    EXPECT_EQ(Heard(*device, 1), (Samples{1, 1}));
}

TEST_F(MixingDevice, ACopyIsFreedAtTheNextRequestAfterItHasPlayedToItsEndAlsoByTheVirtualClock) {
    SoundBuffer* effect = Level(1000, 10);
    SoundBuffer* finishing = Copy(effect);
    Copy(effect);  // never started: kept
    finishing->Play();
    Pull(*device, 5);
    Copy(effect);
    EXPECT_EQ(Buffers(), 4u);  // still playing
    Pull(*device, 5 + ::Mixing(*device).mixer().DelayFrames());
    effect->Play();  // the loaded buffer itself stays after it ends
    Pull(*device, 10);
    Copy(effect);
    EXPECT_EQ(std::tuple(Buffers(), ::Mixing(*device).mixer().VoiceCount()), std::tuple(4u, 0u));

    // Headless, nobody pulls: the voices play on by the virtual clock.
    SoundBuffer* tenth = Level(1000, 4410);
    for (int play = 0; play < 200; ++play) {
        ASSERT_EQ(Copy(tenth)->Play(), 0);
        headless.backend().clock().Advance(150);
    }
    EXPECT_LE(Buffers(), 6u);  // the loaded ones and at most the latest copy
}

TEST_F(MixingDevice, EveryPlayableFormatComesOutInStereoAtTheOutputRateAndItsLevel) {
    LoadedBuffer(*device, PcmFormat(2, 44100, 16), Samples16({8000, -300}))->Play();
    EXPECT_EQ(Heard(*device, 1), (Samples{8000, -300}));
    LoadedBuffer(*device, PcmFormat(1, 44100, 8), {0xC0, 0x40})->Play();
    Samples eight = Heard(*device, 2);
    EXPECT_TRUE(std::abs(eight[0] - 16384) < 256 && eight[1] == eight[0] &&
                std::abs(eight[2] + 16384) < 256);
    for (std::uint32_t rate : {8000, 11025, 22050, 48000}) {
        std::size_t frames = rate / 50;  // 20 ms: 882 frames at the output
        LoadedBuffer(*device, PcmFormat(1, rate, 16), Samples16(Samples(frames, 10000)))->Play();
        Samples out = Heard(*device, 1000);
        std::size_t loud = std::count_if(out.begin(), out.end(), [](int s) { return s > 5000; });
        EXPECT_NEAR(loud / 2.0, 882.0, 12.0) << rate;
        EXPECT_NEAR(out[2 * 441], 10000, 500) << rate;
    }
}

// A stereo 440 Hz tone, or a burst of noise that strikes at once and dies away.
Samples Sound(double amplitude, double seconds, unsigned noiseSeed = 0) {
    std::mt19937 noise(noiseSeed);
    Samples out;
    for (std::size_t i = 0; i < seconds * 44100; ++i) {
        double wave = noiseSeed != 0 ? (noise() / 2147483648.0 - 1) * std::exp(-8.0 * i / 44100)
                                     : std::sin(i * 2 * std::numbers::pi * 440 / 44100);
        out.insert(out.end(), 2, static_cast<std::int16_t>(amplitude * wave));
    }
    return out;
}

double Rms(const Samples& samples, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

TEST_F(MixingDevice, PiledUpSoundsAreTurnedDownSmoothlyBelowFullScaleAndALoneOneKeepsItsLevel) {
    constexpr double kFull = 32767;
    const std::size_t delay = ::Mixing(*device).mixer().DelayFrames();
    Samples out;  // the output, its first samples at the mixer's delay
    auto pull = [&](std::size_t frames) {
        Samples more = Pull(*device, frames);
        out.insert(out.end(), more.begin(), more.end());
    };
    auto play = [&](const Samples& sound) {
        LoadedBuffer(*device, PcmFormat(2, 44100, 16), Samples16(sound))->Play();
    };
    auto level = [&](std::size_t from, const Samples& sound) {
        auto at = out.begin() + static_cast<std::ptrdiff_t>(2 * delay + from);
        return 20 * std::log10(Rms(Samples(at, at + static_cast<std::ptrdiff_t>(sound.size())), 0,
                                   sound.size()) /
                               Rms(sound, 0, sound.size()));
    };
    const Samples lone = Sound(0.84 * kFull, 0.3);  // the game's sounds peak about there
    play(lone);
    pull(22050);
    for (unsigned i = 1; i <= 16; ++i) {
        play(Sound(kFull, 0.3, i));
        pull(441);
    }
    pull(44100);
    std::size_t again = out.size();
    play(lone);
    pull(22050 + delay);
    EXPECT_NEAR(level(0, lone), 0, 0.5);
    EXPECT_NEAR(level(again, lone), 0, 0.5);
    int peak = Peak(Samples(out.begin() + 44100, out.begin() + static_cast<std::ptrdiff_t>(again)));
    EXPECT_LE(peak, platform::Limiter::kCeiling);  // well short of full scale
    EXPECT_GT(peak, 0.9 * platform::Limiter::kCeiling) << "turned down too far";

    // A second tone joining a loud one in phase: the gain comes down along a
    // ramp and stays put, rather than stepping or following the waveform.
    out.clear();
    const Samples tone = Sound(0.7 * kFull, 0.5);
    play(tone);
    pull(4410);  // a whole number of the tone's periods
    play(Samples(tone.begin(), tone.end() - 8820));
    pull(17640 + delay);
    double previous = 1, steepest = 0, least = 1, most = 0;
    for (std::size_t i = 0, previousAt = 0; i < tone.size(); i += 2) {
        if (std::abs(tone[i]) < 0.3 * kFull) continue;
        double gain = out[2 * delay + i] / (tone[i] * (i < 8820 ? 1.0 : 2.0));
        steepest = std::max(steepest, std::abs(gain - previous) / ((i - previousAt) / 2.0));
        std::tie(previous, previousAt) = std::tuple(gain, i);
        if (i > 8820 + 4410) {
            std::tie(least, most) = std::tuple(std::min(least, gain), std::max(most, gain));
        }
    }
    EXPECT_LT(steepest, 0.01) << "the gain changes by steps, not ramps";
    EXPECT_LT(most - least, 0.01) << "the gain follows the waveform";
}

}  // namespace
