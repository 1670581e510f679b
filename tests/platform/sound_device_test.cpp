// The shared sound device and its mixer, on the headless backend.
#include <gtest/gtest.h>

#include "support/headless_platform.h"
#include "support/sound_output.h"
#include "support/wave_files.h"

namespace {

using platform::SoundBuffer;
using Samples = std::vector<std::int16_t>;
SoundBuffer* const kUntouched = reinterpret_cast<SoundBuffer*>(0x1234);

class SoundDevice : public HeadlessTest {
protected:
    void SetUp() override { ASSERT_EQ(headless.backend().CreateSoundDevice(device), 0); }

    platform::HRESULT Create(platform::WaveFormat format, std::uint32_t bytes, SoundBuffer*& out) {
        return device->CreateSoundBuffer({platform::DSBCAPS_STATIC, bytes, format}, out);
    }
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

    std::unique_ptr<platform::SoundDevice> device;
};

TEST_F(SoundDevice, RefusesWhatItCannotPlayOrHoldAndLeavesTheOutParameterAlone) {
    platform::WaveFormat adpcm = PcmFormat(1, 22050, 16), badBlock = PcmFormat(2, 22050, 16);
    adpcm.formatTag = 2;
    badBlock.blockAlign = 2;
    struct Case {
        platform::WaveFormat format;
        std::uint32_t bytes;
        platform::HRESULT code;
    } cases[] = {
        {adpcm, 100, platform::DSERR_BADFORMAT},
        {PcmFormat(1, 22050, 24), 99, platform::DSERR_BADFORMAT},
        {PcmFormat(9, 22050, 16), 180, platform::DSERR_BADFORMAT},
        {PcmFormat(1, 400000, 16), 100, platform::DSERR_BADFORMAT},
        {badBlock, 100, platform::DSERR_BADFORMAT},
        {PcmFormat(1, 22050, 16), 0, platform::E_INVALIDARG},
        {PcmFormat(2, 44100, 16), (64u << 20) + 4, platform::E_OUTOFMEMORY},
        {PcmFormat(2, 44100, 16), 0xFFFFFFFF, platform::E_OUTOFMEMORY},
        {PcmFormat(1, 8000, 16), 60u << 20, platform::E_OUTOFMEMORY},  // a GiB to convert
    };
    for (const Case& c : cases) {
        SoundBuffer* buffer = kUntouched;
        EXPECT_EQ(Create(c.format, c.bytes, buffer), c.code) << c.bytes;
        EXPECT_EQ(buffer, kUntouched);
    }
    SoundBuffer* copy = kUntouched;
    EXPECT_EQ(device->DuplicateSoundBuffer(nullptr, copy), platform::E_INVALIDARG);
    EXPECT_EQ(copy, kUntouched);
    EXPECT_EQ(Mixing(*device).BufferCount(), 0u);
}

TEST_F(SoundDevice, ANewBufferIsExactlyItsSizeAndSilentInItsFormatUpTo64MiB) {
    for (std::uint16_t bits : {8, 16}) {
        SoundBuffer* buffer = nullptr;
        ASSERT_EQ(Create(PcmFormat(2, 44100, bits), 64u << 20, buffer), 0);
        std::vector<std::uint8_t> bytes = Contents(*buffer);
        ASSERT_EQ(bytes.size(), 64u << 20);
        EXPECT_EQ(bytes.back(), bits == 8 ? 0x80 : 0x00);
    }
}

TEST_F(SoundDevice, FailsTheStepsATestAsksToFailWithTheirCodes) {
    auto& failures = headless.backend().failures();
    failures.Add({"dsound.cooperative", platform::DSERR_NODRIVER, 1});
    EXPECT_EQ(device->SetCooperativeLevel(1, platform::DSSCL_EXCLUSIVE), platform::DSERR_NODRIVER);
    failures.Add({"dsound.buffer", platform::E_FAIL, 2});  // the second buffer is refused
    SoundBuffer* buffer = Level(0, 1);
    EXPECT_EQ(Create(PcmFormat(1, 22050, 16), 10, buffer), platform::E_FAIL);
    failures.Add({"dsound.lock", platform::E_OUTOFMEMORY, 1});
    std::uint8_t* region = nullptr;
    std::uint32_t bytes = 0;
    EXPECT_EQ(buffer->Lock(region, bytes), platform::E_OUTOFMEMORY);
    failures.Add({"dsound.create", platform::DSERR_NODRIVER, 1});
    std::unique_ptr<platform::SoundDevice> second;
    EXPECT_EQ(headless.backend().CreateSoundDevice(second), platform::DSERR_NODRIVER);
    EXPECT_EQ(second, nullptr);
}

TEST_F(SoundDevice, OverlappingCopiesAddUpEachFromItsStart) {
    SoundBuffer* effect = Level(1000, 3);
    Copy(effect)->Play();
    Pull(*device, 1);
    Copy(Copy(effect))->Play();  // a copy of a copy plays the same sound
    EXPECT_EQ(Heard(*device, 4), (Samples{2000, 2000, 2000, 2000, 1000, 1000, 0, 0}));

    const auto& plays = headless.backend().sound().plays;
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_EQ(plays[1].origin, effect);
    EXPECT_TRUE(plays[1].copy);
    EXPECT_NE(plays[0].buffer, plays[1].buffer);
}

TEST_F(SoundDevice, ACopyIsFreedAtTheNextRequestAfterItHasPlayedToItsEndAndNotBefore) {
    auto& mixing = Mixing(*device);
    SoundBuffer* effect = Level(1000, 10);
    SoundBuffer* finishing = Copy(effect);
    Copy(effect);  // never started: kept
    finishing->Play();
    Pull(*device, 5);
    Copy(effect);
    EXPECT_EQ(mixing.BufferCount(), 4u);  // still playing
    Pull(*device, 5);
    effect->Play();  // the loaded buffer itself stays after it ends
    Pull(*device, 10);
    Copy(effect);
    EXPECT_EQ(mixing.BufferCount(), 4u);
    EXPECT_EQ(mixing.mixer().VoiceCount(), 0u);
}

TEST_F(SoundDevice, ABufferPlaysOnceFromItsPositionThenAgainFromItsStart) {
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

TEST_F(SoundDevice, EveryPlayableFormatComesOutInStereoAtTheOutputRateAndItsLevel) {
    EXPECT_EQ(Pull(*device, 0), Samples{});
    LoadedBuffer(*device, PcmFormat(2, 44100, 16), Samples16({8000, -300}))->Play();
    EXPECT_EQ(Heard(*device, 1), (Samples{8000, -300}));
    LoadedBuffer(*device, PcmFormat(1, 44100, 8), {0xC0, 0x40})->Play();
    Samples eight = Heard(*device, 2);
    EXPECT_NEAR(eight[0], 16384, 256);
    EXPECT_EQ(eight[1], eight[0]);
    EXPECT_NEAR(eight[2], -16384, 256);

    for (std::uint32_t rate : {8000, 11025, 22050, 48000}) {
        std::size_t frames = rate / 50;  // 20 ms: 882 frames at the output
        LoadedBuffer(*device, PcmFormat(1, rate, 16), Samples16(Samples(frames, 10000)))->Play();
        Samples out = Heard(*device, 1000);
        std::size_t loud = std::count_if(out.begin(), out.end(), [](int s) { return s > 5000; });
        EXPECT_NEAR(loud / 2.0, 882.0, 12.0) << rate;
        EXPECT_NEAR(out[2 * 441], 10000, 500) << rate;
    }
}

TEST(SilentSoundDevice, AcceptsEverythingPlaysNothingAndStillFreesItsCopies) {
    HeadlessPlatform installed;
    platform::MixingSoundDevice silent(platform::kMixFormat, platform::SoundOutput::Silent);
    EXPECT_EQ(silent.SetCooperativeLevel(1, platform::DSSCL_EXCLUSIVE), 0);
    SoundBuffer* effect = LoadedBuffer(silent, PcmFormat(1, 22050, 16), Samples16({9000, 9000}));
    ASSERT_NE(effect, nullptr);
    for (int play = 0; play < 3; ++play) {
        SoundBuffer* copy = nullptr;
        ASSERT_EQ(silent.DuplicateSoundBuffer(effect, copy), 0);
        EXPECT_EQ(copy->Play(), 0);
    }
    EXPECT_EQ(Peak(Pull(silent, 10)), 0);
    EXPECT_EQ(silent.BufferCount(), 2u);  // the loaded buffer and the last copy
}

}  // namespace

namespace {

// Headless, nothing pulls the mixer: the device plays its voices on by the
// virtual clock, so that a long game's finished copies are freed.
TEST_F(SoundDevice, HeadlessCopiesEndWithTheVirtualClockAndAreFreed) {
    SoundBuffer* effect = Level(1000, 4410);  // a tenth of a second
    auto& clock = headless.backend().clock();
    for (int play = 0; play < 200; ++play) {
        ASSERT_EQ(Copy(effect)->Play(), 0);
        clock.Advance(150);
    }
    EXPECT_LE(Mixing(*device).BufferCount(), 2u);  // the sound and at most the latest copy

    for (int play = 0; play < 5; ++play) ASSERT_EQ(Copy(effect)->Play(), 0);
    // The earlier copy has ended; the five playing ones stay with the sound.
    EXPECT_EQ(Mixing(*device).BufferCount(), 6u);
}

}  // namespace
