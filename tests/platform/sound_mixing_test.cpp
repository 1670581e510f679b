// The mixer: copies that overlap add up, finished copies go, and every
// playable format comes out at the output's rate in stereo.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "support/headless_platform.h"
#include "support/sound_output.h"
#include "support/wave_files.h"

namespace {

using platform::SoundBuffer;

class SoundMixing : public HeadlessTest {
protected:
    void SetUp() override { ASSERT_EQ(headless.backend().CreateSoundDevice(device), platform::S_OK); }

    // A 44.1 kHz stereo sound of frames frames at one level: it needs no
    // conversion, so what the mixer adds up can be told exactly.
    SoundBuffer* Level(std::int16_t level, std::size_t frames) {
        std::vector<std::int16_t> samples(frames * 2, level);
        return LoadedBuffer(*device, PcmFormat(2, 44100, 16), Samples16(samples));
    }

    SoundBuffer* Copy(SoundBuffer* source) {
        SoundBuffer* copy = nullptr;
        EXPECT_EQ(device->DuplicateSoundBuffer(source, copy), platform::S_OK);
        return copy;
    }

    std::unique_ptr<platform::SoundDevice> device;
};

// Every sample of the span holds the value.
::testing::AssertionResult AllAre(const std::vector<std::int16_t>& samples, std::size_t from,
                                  std::size_t to, int value) {
    for (std::size_t i = from; i < to; ++i) {
        if (samples.at(i) != value) {
            return ::testing::AssertionFailure()
                   << "sample " << i << " is " << samples[i] << ", not " << value;
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(SoundMixing, TwoOverlappingCopiesAddUpWhileBothPlayEachFromItsStart) {
    SoundBuffer* effect = Level(1000, 100);
    Copy(effect)->Play();
    EXPECT_TRUE(AllAre(Pull(*device, 40), 0, 80, 1000));
    Copy(effect)->Play();
    EXPECT_TRUE(AllAre(Pull(*device, 40), 0, 80, 2000));
    auto third = Pull(*device, 40);  // the first copy ends 20 frames in
    EXPECT_TRUE(AllAre(third, 0, 40, 2000));
    EXPECT_TRUE(AllAre(third, 40, 80, 1000));
    auto last = Pull(*device, 40);  // the second copy ends 20 frames in
    EXPECT_TRUE(AllAre(last, 0, 40, 1000));
    EXPECT_TRUE(AllAre(last, 40, 80, 0));
}

TEST_F(SoundMixing, LoudCopiesTogetherClipInsteadOfWrappingAround) {
    SoundBuffer* effect = Level(30000, 10);
    Copy(effect)->Play();
    Copy(effect)->Play();
    EXPECT_TRUE(AllAre(Pull(*device, 10), 0, 20, 32767));
}

TEST_F(SoundMixing, ACopyIsFreedOnceItHasPlayedToItsEndAndNotBefore) {
    auto& mixing = Mixing(*device);
    SoundBuffer* effect = Level(1000, 10);
    SoundBuffer* finishing = Copy(effect);
    SoundBuffer* unplayed = Copy(effect);
    finishing->Play();
    Pull(*device, 5);
    Copy(effect);  // a request while the copy still plays keeps it
    EXPECT_EQ(mixing.BufferCount(), 4u);
    Pull(*device, 5);
    EXPECT_EQ(mixing.mixer().VoiceCount(), 1u);  // marked finished, not yet dropped
    Copy(effect);
    EXPECT_EQ(mixing.BufferCount(), 4u);  // the loaded buffer, the unplayed copy, two new copies
    EXPECT_EQ(mixing.mixer().VoiceCount(), 0u);
    // The loaded buffer itself stays after playing, and so does a copy nobody started.
    effect->Play();
    Pull(*device, 10);
    Copy(unplayed);
    EXPECT_EQ(mixing.BufferCount(), 5u);
}

TEST_F(SoundMixing, EightBitMonoComesOutCentredOnZeroInBothChannels) {
    std::vector<std::uint8_t> samples = {0xC0, 0x80, 0x40};
    LoadedBuffer(*device, PcmFormat(1, 44100, 8), samples)->Play();
    auto out = Pull(*device, 4);
    for (int channel = 0; channel < 2; ++channel) {
        EXPECT_NEAR(out[0 + channel], 16384, 256);
        EXPECT_EQ(out[2 + channel], 0);
        EXPECT_NEAR(out[4 + channel], -16384, 256);
        EXPECT_EQ(out[6 + channel], 0);  // ended
    }
}

TEST_F(SoundMixing, SixteenBitStereoKeepsItsChannelsApart) {
    LoadedBuffer(*device, PcmFormat(2, 44100, 16), Samples16({8000, -300, 8000, -300}))->Play();
    auto out = Pull(*device, 2);
    EXPECT_EQ(out, (std::vector<std::int16_t>{8000, -300, 8000, -300}));
}

// Frames of the output (both channels) louder than half the level.
std::size_t LoudFrames(const std::vector<std::int16_t>& out, int level) {
    std::size_t loud = 0;
    for (std::size_t i = 0; i + 1 < out.size(); i += 2) {
        if (std::abs(out[i]) > level / 2 && std::abs(out[i + 1]) > level / 2) ++loud;
    }
    return loud;
}

TEST_F(SoundMixing, EveryRateLastsAsLongAtTheOutputRateAndKeepsItsLevel) {
    struct Case {
        std::uint32_t rate;
        std::uint16_t bits;
    };
    for (Case c : {Case{22050, 16}, Case{11025, 8}, Case{48000, 16}, Case{8000, 16}}) {
        SCOPED_TRACE(c.rate);
        std::size_t frames = c.rate / 50;  // 20 ms: 882 frames at the output
        std::vector<std::uint8_t> bytes =
            c.bits == 16 ? Samples16(std::vector<std::int16_t>(frames, 10000))
                         : std::vector<std::uint8_t>(frames, 0x80 + 39);  // about 10000
        LoadedBuffer(*device, PcmFormat(1, c.rate, c.bits), bytes)->Play();
        auto out = Pull(*device, 1000);
        EXPECT_NEAR(static_cast<double>(LoudFrames(out, 10000)), 882.0, 12.0);
        EXPECT_NEAR(out[2 * 441], 10000, 500);  // the middle, away from the edges
        EXPECT_EQ(Peak(Pull(*device, 100)), 0);  // and then it is over
    }
}

}  // namespace
