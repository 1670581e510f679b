// Reading WAV files into sound buffers: whole, unusual, damaged and hostile.
#include <gtest/gtest.h>

#include "common/exceptions.h"
#include "sound/sound_fixture.h"

namespace {

using platform::SoundBuffer;
const std::vector<std::uint8_t> kTone = Samples16({1000, -1000, 2000, -2000, 3000, -3000});

using LoadWave = SoundTest;

TEST_F(LoadWave, ACanonicalFileFillsABufferOfItsDataSizeThatPlaysFromItsStart) {
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

TEST_F(LoadWave, SkipsALongFormatChunkAndOtherChunksAndNeverChecksTheRiffId) {
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

TEST_F(LoadWave, AFileEndingInsideItsSamplesLoadsThoseThereWithSilenceAfter) {
    SoundBuffer* buffer = nullptr;
    ASSERT_TRUE(
        Load(WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data({1, 2, 3, 4}, 8).bytes(), buffer));
    EXPECT_EQ(Contents(*buffer), (std::vector<std::uint8_t>{1, 2, 3, 4, 0, 0, 0, 0}));
    ASSERT_TRUE(Load(WaveBuilder().Format(PcmFormat(1, 22050, 8)).Data({1, 2}, 4).bytes(), buffer));
    EXPECT_EQ(Contents(*buffer), (std::vector<std::uint8_t>{1, 2, 0x80, 0x80}));
}

TEST_F(LoadWave, WhatCannotBePlayedIsFalseAndLeavesTheBufferAlone) {
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

TEST_F(LoadWave, OpensTheGamesBackslashPathsAndThrowsWhenTheBufferCannotBeLocked) {
    folder.Write("resources/cannon2.wav",
                 WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data(kTone).bytes());
    std::string path = folder.path().string() + "\\resources\\cannon2.wav";
    SoundBuffer* buffer = nullptr;
    EXPECT_TRUE(theSoundManager->LoadWave(path.c_str(), buffer));
    headless.backend().failures().Add({"dsound.lock", platform::E_OUTOFMEMORY, 1});
    try {
        theSoundManager->LoadWave(path.c_str(), buffer);
        ADD_FAILURE() << "a buffer that cannot be locked must throw";
    } catch (direct_exception* error) {
        EXPECT_EQ(error->code, platform::E_OUTOFMEMORY);
        delete error;
    }
}

}  // namespace
