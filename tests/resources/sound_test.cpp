// The sounds as a player hears them: of the right length, clearly audible,
// never clipped, without clicks, and doing what each is meant to do.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "decoded_files.h"

namespace resources_test {
namespace {

double Peak(const Wave& wave) {
    double peak = 0;
    for (const double s : wave.samples) {
        peak = std::max(peak, std::abs(s));
    }
    return peak;
}

double Rms(const Wave& wave, double from, double to) {
    const auto first = static_cast<std::size_t>(from * wave.sampleRate);
    const auto last = std::min(wave.samples.size(), static_cast<std::size_t>(to * wave.sampleRate));
    double sum = 0;
    for (std::size_t i = first; i < last; ++i) {
        sum += wave.samples[i] * wave.samples[i];
    }
    return std::sqrt(sum / static_cast<double>(last - first));
}

// The strongest repeat period between 1/1000 and 1/60 of a second, as a
// frequency: enough to follow a buzz through its sweep.
double Pitch(const Wave& wave, double from, double to) {
    const auto first = static_cast<std::size_t>(from * wave.sampleRate);
    const auto last = static_cast<std::size_t>(to * wave.sampleRate);
    const std::size_t shortest = wave.sampleRate / 1000;
    const std::size_t longest = wave.sampleRate / 60;
    double best = -1;
    std::size_t bestLag = shortest;
    for (std::size_t lag = shortest; lag <= longest; ++lag) {
        double sum = 0;
        for (std::size_t i = first; i + lag < last; ++i) {
            sum += wave.samples[i] * wave.samples[i + lag];
        }
        sum /= static_cast<double>(last - first - lag);
        if (sum > best) {
            best = sum;
            bestLag = lag;
        }
    }
    return static_cast<double>(wave.sampleRate) / static_cast<double>(bestLag);
}

// Sign changes per second: high for hiss, low for rumble.
double Crossings(const Wave& wave, double from, double to) {
    const auto first = static_cast<std::size_t>(from * wave.sampleRate);
    const auto last = static_cast<std::size_t>(to * wave.sampleRate);
    int count = 0;
    for (std::size_t i = first + 1; i < last; ++i) {
        count += (wave.samples[i - 1] < 0) != (wave.samples[i] < 0) ? 1 : 0;
    }
    return count / (to - from);
}

struct Expected {
    std::string file;
    double shortest;
    double longest;
};

TEST(Sounds, AreMonoSixteenBitPcmWithConsistentHeaders) {
    for (const std::string file : {"impskies.wav", "cannon2.wav", "electri2.wav"}) {
        const Wave wave = SoundFile(file);
        EXPECT_EQ(wave.format, 1) << file;
        EXPECT_TRUE(wave.sampleRate == 22050 || wave.sampleRate == 44100) << file;
        EXPECT_EQ(wave.byteRate, wave.sampleRate * 2) << file;
        EXPECT_EQ(wave.blockAlign, 2) << file;
        EXPECT_EQ(wave.dataSize, wave.samples.size() * 2) << file;
        EXPECT_EQ(wave.riffSize, 36 + wave.dataSize) << file;
    }
}

TEST(Sounds, LastAsLongAsTheirPartsInTheGame) {
    for (const Expected& sound :
         {Expected{"impskies.wav", 2.0, 3.0}, Expected{"cannon2.wav", 0.4, 0.6},
          Expected{"electri2.wav", 0.5, 0.7}}) {
        const Wave wave = SoundFile(sound.file);
        EXPECT_GE(wave.Seconds(), sound.shortest) << sound.file;
        EXPECT_LE(wave.Seconds(), sound.longest) << sound.file;
    }
}

TEST(Sounds, AreLoudButNeverClipped) {
    for (const std::string file : {"impskies.wav", "cannon2.wav", "electri2.wav"}) {
        const Wave wave = SoundFile(file);
        EXPECT_LT(Peak(wave), 0.95) << file;
        EXPECT_GT(Peak(wave), 0.5) << file;
        EXPECT_GT(Rms(wave, 0.0, wave.Seconds()), 0.05) << file;
    }
}

TEST(Sounds, StartAndEndInSilenceSoTheyDoNotClick) {
    for (const std::string file : {"impskies.wav", "cannon2.wav", "electri2.wav"}) {
        const Wave wave = SoundFile(file);
        EXPECT_LT(std::abs(wave.samples.front()), 0.01) << file;
        EXPECT_LT(std::abs(wave.samples.back()), 0.01) << file;
        EXPECT_LT(Rms(wave, wave.Seconds() - 0.005, wave.Seconds()), 0.02) << file;
    }
}

TEST(Sounds, IntroPlaysWithoutGaps) {
    // A phrase, not a blip: every tenth of a second up to its last note
    // carries sound.
    const Wave wave = SoundFile("impskies.wav");
    for (double t = 0.0; t < 2.2; t += 0.1) {
        EXPECT_GT(Rms(wave, t, t + 0.1), 0.03) << "silence at " << t << " s";
    }
}

TEST(Sounds, HitStartsSharpAndDiesAway) {
    const Wave wave = SoundFile("cannon2.wav");
    EXPECT_GT(Rms(wave, 0.0, 0.08), 4 * Rms(wave, 0.35, 0.45));
    // The low-pass closes: the start hisses, the tail rumbles.
    EXPECT_GT(Crossings(wave, 0.0, 0.05), 3 * Crossings(wave, 0.3, 0.45));
}

TEST(Sounds, ShieldBuzzRises) {
    const Wave wave = SoundFile("electri2.wav");
    const double early = Pitch(wave, 0.05, 0.15);
    const double late = Pitch(wave, 0.4, 0.5);
    EXPECT_GT(late, 1.5 * early) << "early " << early << " Hz, late " << late << " Hz";
}

}  // namespace
}  // namespace resources_test
