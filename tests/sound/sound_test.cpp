// The sound manager: the device's set-up, WAV files read into buffers
// (whole, unusual, damaged and hostile), and effects played as overlapping
// copies.
#include <gtest/gtest.h>

#include <memory>

#include "common/exceptions.h"
#include "sound/sound_manager.h"
#include "support/files.h"
#include "support/headless_platform.h"
#include "support/wave_files.h"

namespace {

class SoundTest : public HeadlessTest {
protected:
    void SetUp() override {
        theSoundManager = std::make_unique<SoundManager>();
        ASSERT_TRUE(theSoundManager->InitSound(1, platform::DSSCL_EXCLUSIVE));
    }
    void TearDown() override { ReleaseSound(); }
    bool Load(const std::vector<std::uint8_t>& file, platform::SoundBuffer*& buffer) {
        return theSoundManager->LoadWave(folder.Write("sound.wav", file).c_str(), buffer);
    }
    const platform::SoundRecord& record() { return headless.backend().sound(); }

    TempFolder folder;
};

using platform::SoundBuffer;
const std::vector<std::uint8_t> kTone = Samples16({1000, -1000, 2000, -2000, 3000, -3000});

TEST_F(SoundTest, ACanonicalFileFillsABufferOfItsDataSizeThatPlaysFromItsStart) {
    SoundBuffer* buffer = nullptr;
    ASSERT_TRUE(Load(WaveBuilder().Format(PcmFormat(2, 44100, 16)).Data(kTone).bytes(), buffer));
    EXPECT_EQ(Contents(*buffer), kTone);
    const platform::SoundBufferDescription& description = *record().lastDescription;
    const platform::WaveFormat& format = description.format;
    EXPECT_EQ(std::tuple(description.flags, description.bufferBytes, format.formatTag,
                         format.channels, format.samplesPerSec, format.avgBytesPerSec,
                         format.blockAlign, format.bitsPerSample, format.extraSize),
              std::tuple(platform::DSBCAPS_STATIC, kTone.size(), 1, 2, 44100, 176400, 4, 16, 18));
    buffer->Play();
    EXPECT_EQ(Heard(*theSoundManager->device, 3),
              (std::vector<std::int16_t>{1000, -1000, 2000, -2000, 3000, -3000}));
}

TEST_F(SoundTest, SkipsALongFormatChunkAndOtherChunksAndNeverChecksTheRiffId) {
    platform::WaveFormat stereo = PcmFormat(2, 22050, 16);
    std::vector<std::uint8_t> list = {'I', 'N', 'F', 'O', 'x'};  // odd: no pad byte follows
    WaveBuilder files[] = {
        WaveBuilder().Format(stereo, 18),
        WaveBuilder().Format(stereo).Chunk("LIST", list),
        WaveBuilder().Chunk("LIST", list).Format(stereo),
        WaveBuilder("RIFX").Format(stereo),
        WaveBuilder().Format(PcmFormat(1, 8000, 8)).Format(stereo),  // the later one counts
    };
    for (WaveBuilder& file : files) {
        SoundBuffer* buffer = nullptr;
        ASSERT_TRUE(Load(file.Data(kTone).bytes(), buffer)) << file.bytes().size();
        EXPECT_EQ(Contents(*buffer), kTone);
        EXPECT_EQ(std::tuple(record().lastDescription->format.channels,
                             record().lastDescription->format.samplesPerSec),
                  std::tuple(2, 22050u));
    }
}

TEST_F(SoundTest, AFileEndingInsideItsSamplesLoadsThoseThereWithSilenceAfter) {
    SoundBuffer* buffer = nullptr;
    ASSERT_TRUE(
        Load(WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data({1, 2, 3, 4}, 8).bytes(), buffer));
    EXPECT_EQ(Contents(*buffer), (std::vector<std::uint8_t>{1, 2, 3, 4, 0, 0, 0, 0}));
    ASSERT_TRUE(Load(WaveBuilder().Format(PcmFormat(1, 22050, 8)).Data({1, 2}, 4).bytes(), buffer));
    EXPECT_EQ(Contents(*buffer), (std::vector<std::uint8_t>{1, 2, 0x80, 0x80}));
}

TEST_F(SoundTest, WhatCannotBePlayedIsFalseAndLeavesTheBufferAlone) {
    platform::WaveFormat mono = PcmFormat(1, 22050, 16);
    platform::WaveFormat adpcm = PcmFormat(1, 22050, 4);
    adpcm.formatTag = 2;
    std::vector<std::uint8_t> files[] = {
        WaveBuilder().Format(mono).Chunk("LIST", {1, 2, 3, 4}).bytes(),  // no data
        WaveBuilder().Data(kTone).Format(mono).bytes(),                  // fmt after data
        WaveBuilder().Chunk("fmt ", {1, 0, 1, 0}).bytes(),               // fmt cut short
        // A chunk claiming more than the file holds.
        WaveBuilder().Format(mono).Chunk("LIST", {1, 2}, 0xFFFFFFF0).Data(kTone).bytes(),
        {'R', 'I', 'F', 'F', 0, 0},
        WaveBuilder().Format(mono).Data(kTone, ~0u).bytes(),  // 4 GiB declared: refused by size
        WaveBuilder().Format(adpcm).Data(kTone).bytes(),
    };
    for (const auto& file : files) {
        SoundBuffer* buffer = kUntouched;
        EXPECT_FALSE(Load(file, buffer)) << file.size();
        EXPECT_EQ(buffer, kUntouched);
    }
    SoundBuffer* buffer = kUntouched;
    EXPECT_FALSE(theSoundManager->LoadWave((folder.path() / "none.wav").c_str(), buffer));
    headless.backend().failures().Add({"dsound.buffer", platform::E_FAIL, 1});
    EXPECT_FALSE(Load(WaveBuilder().Format(mono).Data(kTone).bytes(), buffer));
    theSoundManager->device.reset();  // nobody to make the buffer
    EXPECT_FALSE(Load(WaveBuilder().Format(mono).Data(kTone).bytes(), buffer));
    EXPECT_EQ(buffer, kUntouched);
}

TEST_F(SoundTest, ABufferThatCannotBeLockedThrowsItsCode) {
    headless.backend().failures().Add({"dsound.lock", platform::E_OUTOFMEMORY, 1});
    SoundBuffer* buffer = nullptr;
    try {
        Load(WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data(kTone).bytes(), buffer);
        ADD_FAILURE() << "a buffer that cannot be locked must throw";
    } catch (direct_exception* error) {
        EXPECT_EQ(error->code, platform::E_OUTOFMEMORY);
        delete error;
    }
}

// InitSound on a fresh manager; what it threw, or nullptr.
std::unique_ptr<user_exception> InitSoundThrows() {
    theSoundManager = std::make_unique<SoundManager>();
    try {
        theSoundManager->InitSound(7, platform::DSSCL_EXCLUSIVE);
    } catch (user_exception* error) {
        return std::unique_ptr<user_exception>(error);
    }
    return nullptr;
}

TEST_F(SoundTest, InitSoundLogsAndThrowsTheCodeOfTheStepThatFailed) {
    EXPECT_EQ(headless.debugText(), "");  // the fixture's InitSound succeeded silently
    const std::tuple<const char*, platform::HRESULT, const char*> steps[] = {
        {"dsound.create", platform::DSERR_NODRIVER, "Failed to create direct sound object\n"},
        {"dsound.cooperative", platform::E_INVALIDARG, "Failed to set priority\n"}};
    for (auto [step, code, log] : steps) {
        headless.backend().failures().Clear();
        headless.backend().failures().Add({step, code, 1});
        headless.platform().debug().ClearTranscript();
        auto error = InitSoundThrows();
        auto* direct = dynamic_cast<direct_exception*>(error.get());
        ASSERT_NE(direct, nullptr) << step;
        EXPECT_EQ(std::tuple(direct->code, headless.debugText(), theSoundManager->window),
                  std::tuple(code, log, 7u));
    }
}

TEST_F(SoundTest, EffectsPlayAsOverlappingCopiesAndOneThatCannotPlayIsSilent) {
    ASSERT_TRUE(
        Load(WaveBuilder().Format(PcmFormat(2, 44100, 16)).Data(Samples16({700, 700})).bytes(),
             cannonSound));
    PlayEffect(cannonSound);
    PlayEffect(cannonSound);
    ASSERT_EQ(record().plays.size(), 2u);
    for (const platform::SoundPlay& play : record().plays) {
        EXPECT_TRUE(play.copy && play.origin == cannonSound);
    }
    EXPECT_EQ(Heard(*theSoundManager->device, 2), (std::vector<std::int16_t>{1400, 1400, 0, 0}));

    PlayEffect(shieldSound);  // never loaded
    platform::SoundBuffer* copy = kUntouched;
    EXPECT_TRUE(theSoundManager->DuplicateSound(kUntouched, copy));  // refused
    EXPECT_EQ(copy, kUntouched);
    theSoundManager->device.reset();
    EXPECT_TRUE(theSoundManager->DuplicateSound(cannonSound, copy));
    EXPECT_EQ(copy, kUntouched);
    ReleaseSound();  // and nothing points at a freed buffer
    EXPECT_TRUE(introSound == nullptr && cannonSound == nullptr && shieldSound == nullptr);
    PlayEffect(cannonSound);
    EXPECT_EQ(record().plays.size(), 2u);
}

}  // namespace
