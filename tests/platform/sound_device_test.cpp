// The sound device: what buffers it makes or refuses, how a buffer and its
// copies play, the failures tests can ask for, and what it tells tests.
#include <gtest/gtest.h>

#include "platform/core/sound_conversion.h"
#include "support/headless_platform.h"
#include "support/sound_output.h"
#include "support/wave_files.h"

namespace {

using platform::SoundBuffer;
using platform::SoundBufferDescription;

SoundBufferDescription Describe(platform::WaveFormat format, std::uint32_t bytes) {
    SoundBufferDescription description;
    description.flags = platform::DSBCAPS_STATIC;
    description.bufferBytes = bytes;
    description.format = format;
    return description;
}

class SoundDevice : public HeadlessTest {
protected:
    void SetUp() override { ASSERT_EQ(headless.backend().CreateSoundDevice(device), platform::S_OK); }

    platform::HRESULT Create(const SoundBufferDescription& description, SoundBuffer*& buffer) {
        return device->CreateSoundBuffer(description, buffer);
    }

    std::unique_ptr<platform::SoundDevice> device;
};

TEST_F(SoundDevice, RefusesWhatItCannotPlayAndLeavesTheBufferAsItWas) {
    platform::WaveFormat adpcm = PcmFormat(1, 22050, 16);
    adpcm.formatTag = 2;
    platform::WaveFormat wrongBlock = PcmFormat(2, 22050, 16);
    wrongBlock.blockAlign = 2;
    struct Case {
        const char* what;
        SoundBufferDescription description;
        platform::HRESULT code;
    };
    const Case cases[] = {
        {"not PCM", Describe(adpcm, 100), platform::DSERR_BADFORMAT},
        {"24-bit", Describe(PcmFormat(1, 22050, 24), 99), platform::DSERR_BADFORMAT},
        {"no channels", Describe(PcmFormat(0, 22050, 16), 100), platform::DSERR_BADFORMAT},
        {"nine channels", Describe(PcmFormat(9, 22050, 16), 180), platform::DSERR_BADFORMAT},
        {"rate 0", Describe(PcmFormat(1, 0, 16), 100), platform::DSERR_BADFORMAT},
        {"rate too high", Describe(PcmFormat(1, 400000, 16), 100), platform::DSERR_BADFORMAT},
        {"block size", Describe(wrongBlock, 100), platform::DSERR_BADFORMAT},
        {"empty", Describe(PcmFormat(1, 22050, 16), 0), platform::E_INVALIDARG},
        {"over 64 MiB", Describe(PcmFormat(2, 44100, 16), (64u << 20) + 4), platform::E_OUTOFMEMORY},
        {"4 GiB", Describe(PcmFormat(2, 44100, 16), 0xFFFFFFFF), platform::E_OUTOFMEMORY},
        // Fine in itself, but 8 kHz mono would need a gigabyte to convert.
        {"too long to convert", Describe(PcmFormat(1, 8000, 16), 60u << 20), platform::E_OUTOFMEMORY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SoundBuffer* buffer = reinterpret_cast<SoundBuffer*>(0x1234);
        EXPECT_EQ(Create(c.description, buffer), c.code);
        EXPECT_EQ(buffer, reinterpret_cast<SoundBuffer*>(0x1234));
    }
    EXPECT_EQ(Mixing(*device).BufferCount(), 0u);
}

TEST_F(SoundDevice, ANewBufferIsSilentInItsOwnFormatAndExactlyItsSize) {
    for (std::uint16_t bits : {8, 16}) {
        SoundBuffer* buffer = nullptr;
        // Exactly the largest buffer there may be.
        ASSERT_EQ(Create(Describe(PcmFormat(2, 44100, bits), 64 << 20), buffer), platform::S_OK);
        std::uint8_t* region = nullptr;
        std::uint32_t bytes = 0;
        ASSERT_EQ(buffer->Lock(region, bytes), platform::S_OK);
        ASSERT_EQ(bytes, 64u << 20);
        std::uint8_t silence = bits == 8 ? 0x80 : 0x00;
        EXPECT_EQ(region[0], silence);
        EXPECT_EQ(region[bytes - 1], silence);
    }
}

TEST_F(SoundDevice, FailsEachStepThatATestAsksToFailWithItsCode) {
    auto& failures = headless.backend().failures();
    failures.Add({"dsound.cooperative", platform::DSERR_NODRIVER, 1});
    EXPECT_EQ(device->SetCooperativeLevel(1, platform::DSSCL_EXCLUSIVE), platform::DSERR_NODRIVER);

    SoundBuffer* buffer = nullptr;
    failures.Add({"dsound.buffer", platform::E_FAIL, 2});  // the second buffer is refused
    EXPECT_EQ(Create(Describe(PcmFormat(1, 22050, 16), 10), buffer), platform::S_OK);
    SoundBuffer* kept = buffer;
    EXPECT_EQ(Create(Describe(PcmFormat(1, 22050, 16), 10), buffer), platform::E_FAIL);
    EXPECT_EQ(buffer, kept);

    failures.Add({"dsound.lock", platform::E_OUTOFMEMORY, 1});
    std::uint8_t* region = nullptr;
    std::uint32_t bytes = 0;
    EXPECT_EQ(buffer->Lock(region, bytes), platform::E_OUTOFMEMORY);

    failures.Add({"dsound.create", platform::DSERR_NODRIVER, 1});
    std::unique_ptr<platform::SoundDevice> second;
    EXPECT_EQ(headless.backend().CreateSoundDevice(second), platform::DSERR_NODRIVER);
    EXPECT_EQ(second, nullptr);
}

TEST_F(SoundDevice, ACopyIsRefusedForABufferItDidNotMakeAndTheCopyIsLeftAlone) {
    SoundBuffer* copy = reinterpret_cast<SoundBuffer*>(0x1234);
    EXPECT_EQ(device->DuplicateSoundBuffer(nullptr, copy), platform::E_INVALIDARG);
    std::unique_ptr<platform::SoundDevice> other;
    ASSERT_EQ(headless.backend().CreateSoundDevice(other), platform::S_OK);
    SoundBuffer* foreign = LoadedBuffer(*other, PcmFormat(1, 22050, 16), {0, 0});
    EXPECT_EQ(device->DuplicateSoundBuffer(foreign, copy), platform::E_INVALIDARG);
    EXPECT_EQ(copy, reinterpret_cast<SoundBuffer*>(0x1234));
}

TEST_F(SoundDevice, ABufferPlaysOnceFromItsPositionAndAgainFromItsStartWhenItHasEnded) {
    SoundBuffer* buffer = LoadedBuffer(*device, PcmFormat(2, 44100, 16),
                                       Samples16({100, 100, 200, 200, 300, 300, 400, 400}));
    EXPECT_EQ(buffer->SetCurrentPosition(17), platform::E_INVALIDARG);  // past the end
    ASSERT_EQ(buffer->SetCurrentPosition(8), platform::S_OK);           // the third frame
    buffer->Play();
    buffer->Play();  // already playing: goes on, no second voice
    EXPECT_EQ(Pull(*device, 3), (std::vector<std::int16_t>{300, 300, 400, 400, 0, 0}));
    buffer->Play();
    EXPECT_EQ(Pull(*device, 2), (std::vector<std::int16_t>{100, 100, 200, 200}));
}

TEST_F(SoundDevice, ALockedAndRewrittenBufferPlaysItsNewSamplesInEveryCopy) {
    SoundBuffer* buffer = LoadedBuffer(*device, PcmFormat(2, 44100, 16), Samples16({5, 5}));
    SoundBuffer* copy = nullptr;
    ASSERT_EQ(device->DuplicateSoundBuffer(buffer, copy), platform::S_OK);
    std::uint8_t* region = nullptr;
    std::uint32_t bytes = 0;
    ASSERT_EQ(buffer->Lock(region, bytes), platform::S_OK);
    region[0] = 7;
    region[2] = 7;
    EXPECT_EQ(buffer->Unlock(region + 1, bytes), platform::E_INVALIDARG);  // not its region
    ASSERT_EQ(buffer->Unlock(region, bytes), platform::S_OK);
    copy->Play();
    EXPECT_EQ(Pull(*device, 1), (std::vector<std::int16_t>{7, 7}));
}

TEST_F(SoundDevice, TellsTestsEachPlayWithItsOriginAndTheLastDescriptionHandedOver) {
    SoundBuffer* loaded = LoadedBuffer(*device, PcmFormat(1, 22050, 16), {1, 0, 2, 0});
    SoundBuffer* first = nullptr;
    SoundBuffer* second = nullptr;
    device->DuplicateSoundBuffer(loaded, first);
    device->DuplicateSoundBuffer(first, second);  // a copy of a copy plays the same sound
    loaded->Play();
    second->Play();
    const platform::SoundRecord& record = headless.backend().sound();
    ASSERT_EQ(record.plays.size(), 2u);
    EXPECT_EQ(record.plays[0].buffer, loaded);
    EXPECT_FALSE(record.plays[0].copy);
    EXPECT_EQ(record.plays[1].buffer, second);
    EXPECT_EQ(record.plays[1].origin, loaded);
    EXPECT_TRUE(record.plays[1].copy);

    SoundBuffer* refused = nullptr;
    Create(Describe(PcmFormat(1, 22050, 16), 0xFFFFFFFF), refused);
    ASSERT_TRUE(record.lastDescription.has_value());
    EXPECT_EQ(record.lastDescription->bufferBytes, 0xFFFFFFFFu);
}

TEST(SilentSoundDevice, AcceptsEverythingPlaysNothingAndFreesItsCopies) {
    HeadlessPlatform installed;
    platform::MixingSoundDevice silent(platform::kMixFormat, platform::SoundOutput::Silent);
    EXPECT_EQ(silent.SetCooperativeLevel(1, platform::DSSCL_EXCLUSIVE), platform::S_OK);
    SoundBuffer* effect = LoadedBuffer(silent, PcmFormat(1, 22050, 16), Samples16({9000, 9000}));
    ASSERT_NE(effect, nullptr);
    for (int play = 0; play < 3; ++play) {
        SoundBuffer* copy = nullptr;
        ASSERT_EQ(silent.DuplicateSoundBuffer(effect, copy), platform::S_OK);
        EXPECT_EQ(copy->Play(), platform::S_OK);
    }
    EXPECT_EQ(Peak(Pull(silent, 10)), 0);
    EXPECT_EQ(silent.BufferCount(), 2u);  // the loaded buffer and the last copy
}

}  // namespace
