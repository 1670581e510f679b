// The mixer's limiter: a lone sound keeps its level, and sounds piling up
// are turned down as a whole, smoothly, and never pass its ceiling, which is
// short of full scale.
#include "platform/core/limiter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "platform/core/mixer.h"

namespace {

using platform::Pcm;
constexpr std::size_t kRate = platform::kMixFormat.rate;
constexpr double kFullScale = 32767;

// A stereo explosion of a third of a second: noise up to the peak that
// strikes at once and dies away.
Pcm Burst(double peak, unsigned seed) {
    std::mt19937 noise(seed);
    std::uniform_real_distribution<double> sample(-peak, peak);
    Pcm out;
    for (std::size_t i = 0; i < kRate / 3; ++i) {
        out.insert(out.end(), 2,
                   static_cast<std::int16_t>(sample(noise) * std::exp(-8.0 * i / kRate)));
    }
    return out;
}

Pcm Tone(double amplitude, double seconds) {
    Pcm out;
    for (std::size_t i = 0; i < seconds * kRate; ++i) {
        out.insert(out.end(), 2,
                   static_cast<std::int16_t>(amplitude * std::sin(i * 2 * M_PI * 440 / kRate)));
    }
    return out;
}

// Each sound started at its frame; the output lined up with them (the
// mixer's delay taken off), as many frames as asked.
Pcm Mixed(std::vector<std::pair<std::size_t, Pcm>> sounds, std::size_t frames) {
    platform::Mixer mixer(platform::kMixFormat);
    std::size_t delay = mixer.DelayFrames();
    Pcm out(2 * (frames + delay));
    std::size_t done = 0;
    for (auto& [start, samples] : sounds) {
        mixer.Mix(out.data() + 2 * done, start - done);
        mixer.Start(
            std::make_shared<platform::Voice>(std::make_shared<const Pcm>(std::move(samples)), 0));
        done = start;
    }
    mixer.Mix(out.data() + 2 * done, frames + delay - done);
    return Pcm(out.begin() + 2 * delay, out.end());
}

double Rms(const Pcm& samples, double from, double to) {
    double sum = 0;
    for (std::size_t i = 2 * from * kRate; i < 2 * to * kRate; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / (2 * (to - from) * kRate));
}

int Peak(const Pcm& samples, double from, double to) {
    int peak = 0;
    for (std::size_t i = 2 * from * kRate; i < 2 * to * kRate; ++i)
        peak = std::max(peak, std::abs(int{samples[i]}));
    return peak;
}

TEST(Limiter, ALoneSoundKeepsItsLevelBeforeAndAfterAPileUpThatNeverReachesFullScale) {
    // The game's sounds peak at about 0.84 of full scale.
    const Pcm lone = Tone(0.84 * kFullScale, 0.3);
    std::vector<std::pair<std::size_t, Pcm>> sounds = {{0, lone}};
    for (unsigned i = 0; i < 16; ++i) {
        sounds.emplace_back(kRate / 2 + i * kRate / 100, Burst(kFullScale, i));
    }
    sounds.emplace_back(2 * kRate, lone);
    std::vector<int> sum(6 * kRate);
    for (const auto& [start, samples] : sounds) {
        for (std::size_t i = 0; i < samples.size(); ++i) sum[2 * start + i] += samples[i];
    }
    Pcm out = Mixed(sounds, 3 * kRate);

    for (double start : {0.0, 2.0}) {
        EXPECT_NEAR(20 * std::log10(Rms(out, start, start + 0.3) / Rms(lone, 0, 0.3)), 0, 0.5)
            << start;
    }
    EXPECT_LE(Peak(out, 0.5, 2), platform::Limiter::kCeiling);  // well short of full scale
    EXPECT_GT(Peak(out, 0.5, 2), 0.9 * platform::Limiter::kCeiling) << "turned down too far";
    for (std::size_t i = 0; i < sum.size(); ++i) {
        ASSERT_TRUE(std::int64_t{out[i]} * sum[i] >= 0 && std::abs(out[i]) <= std::abs(sum[i]))
            << i;
    }
}

// A second tone joins the first in phase at 0.1 s: together they would pass
// full scale, so the gain comes down along a ramp and stays put.
TEST(Limiter, ASoundJoiningALoudOneTurnsThemDownSmoothlyAsAWhole) {
    const Pcm tone = Tone(0.7 * kFullScale, 0.5);
    const std::size_t joins = kRate / 10;  // a whole number of the tone's periods
    Pcm out = Mixed({{0, tone}, {joins, Pcm(tone.begin(), tone.end() - 2 * joins)}}, kRate / 2);
    double previous = 1, steepest = 0, least = 1, most = 0;
    std::size_t previousAt = 0;
    for (std::size_t i = 0; i < tone.size(); i += 2) {
        if (std::abs(tone[i]) < 0.3 * kFullScale) continue;
        double gain = out[i] / (tone[i] * (i < 2 * joins ? 1.0 : 2.0));
        steepest = std::max(steepest, std::abs(gain - previous) / ((i - previousAt) / 2));
        previous = gain;
        previousAt = i;
        if (i > 2 * (joins + kRate / 20)) {
            least = std::min(least, gain);
            most = std::max(most, gain);
        }
    }
    EXPECT_LT(steepest, 0.01) << "the gain changes by steps, not ramps";
    EXPECT_LT(most - least, 0.01) << "the gain follows the waveform";
    EXPECT_LE(Peak(out, 0, 0.5), platform::Limiter::kCeiling);
}

}  // namespace
