// Reading WAV files into sound buffers: whole, unusual, damaged and hostile.
#include <gtest/gtest.h>

#include "shell/exceptions.h"
#include "sound/sound_fixture.h"

namespace {

using platform::SoundBuffer;
const std::vector<std::uint8_t> kTone = Samples16({1000, -1000, 2000, -2000, 3000, -3000});

class LoadWave : public SoundTest {
protected:
    SoundBuffer* buffer = nullptr;
};

TEST_F(LoadWave, ACanonicalFileFillsABufferOfItsDataSizeThatPlaysFromItsStart) {
    WaveBuilder wave;
    wave.Format(PcmFormat(2, 44100, 16)).Data(kTone);
    ASSERT_EQ(wave.bytes().size(), 44u + kTone.size());
    ASSERT_TRUE(Load(wave.bytes(), buffer));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(Contents(*buffer), kTone);
    const platform::SoundBufferDescription& description = *record().lastDescription;
    EXPECT_EQ(description.flags, 2u);
    EXPECT_EQ(description.bufferBytes, kTone.size());
    const platform::WaveFormat& format = description.format;
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSec, 44100u);
    EXPECT_EQ(format.avgBytesPerSec, 176400u);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.extraSize, 18);
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
        buffer = nullptr;
        ASSERT_TRUE(Load(file.Data(kTone).bytes(), buffer)) << file.bytes().size();
        EXPECT_EQ(Contents(*buffer), kTone);
        EXPECT_EQ(record().lastDescription->format.channels, 2);
        EXPECT_EQ(record().lastDescription->format.samplesPerSec, 22050u);
    }
}

TEST_F(LoadWave, AFileEndingInsideItsSamplesLoadsThoseThereWithSilenceAfter) {
    ASSERT_TRUE(
        Load(WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data({1, 2, 3, 4}, 8).bytes(), buffer));
    EXPECT_EQ(Contents(*buffer), (std::vector<std::uint8_t>{1, 2, 3, 4, 0, 0, 0, 0}));
    ASSERT_TRUE(Load(WaveBuilder().Format(PcmFormat(1, 22050, 8)).Data({1, 2}, 4).bytes(), buffer));
    EXPECT_EQ(Contents(*buffer), (std::vector<std::uint8_t>{1, 2, 0x80, 0x80}));
}

TEST_F(LoadWave, AFileWithoutSamplesInAKnownFormatAsksForNoBuffer) {
    platform::WaveFormat mono = PcmFormat(1, 22050, 16);
    std::vector<std::uint8_t> files[] = {
        WaveBuilder().Format(mono).Chunk("LIST", {1, 2, 3, 4}).bytes(),  // no data
        WaveBuilder().Data(kTone).Format(mono).bytes(),                  // fmt after data
        WaveBuilder().Data(kTone).bytes(),                               // no fmt
        WaveBuilder().Chunk("fmt ", {1, 0, 1, 0}).bytes(),               // fmt cut short
        // A chunk claiming more than the file holds.
        WaveBuilder().Format(mono).Chunk("LIST", {1, 2}, 0xFFFFFFF0).Data(kTone).bytes(),
        {'R', 'I', 'F', 'F', 0, 0},
        {},
    };
    for (const auto& file : files) {
        buffer = kUntouched;
        EXPECT_FALSE(Load(file, buffer)) << file.size();
        EXPECT_EQ(buffer, kUntouched);
    }
    EXPECT_FALSE(record().lastDescription.has_value());
}

TEST_F(LoadWave, AMissingFileOrARefusedBufferIsFalseAndLeavesTheBufferAlone) {
    buffer = kUntouched;
    EXPECT_FALSE(theSoundManager->LoadWave((folder.path() / "none.wav").c_str(), buffer));
    // 4 GiB declared: refused by size, nothing allocated.
    EXPECT_FALSE(
        Load(WaveBuilder().Format(PcmFormat(2, 44100, 16)).Data(kTone, ~0u).bytes(), buffer));
    EXPECT_EQ(record().lastDescription->bufferBytes, 0xFFFFFFFFu);
    platform::WaveFormat adpcm = PcmFormat(1, 22050, 4);
    adpcm.formatTag = 2;
    EXPECT_FALSE(Load(WaveBuilder().Format(adpcm).Data(kTone).bytes(), buffer));
    EXPECT_EQ(buffer, kUntouched);

    headless.backend().failures().Add({"dsound.lock", platform::E_OUTOFMEMORY, 1});
    try {
        Load(WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data(kTone).bytes(), buffer);
        ADD_FAILURE() << "a buffer that cannot be locked must throw";
    } catch (direct_exception* error) {
        EXPECT_EQ(error->code, platform::E_OUTOFMEMORY);
        delete error;
    }
    headless.backend().failures().Add({"dsound.buffer", platform::E_FAIL, 1});
    buffer = kUntouched;
    EXPECT_FALSE(Load(WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data(kTone).bytes(), buffer));
    EXPECT_EQ(buffer, kUntouched);
}

TEST_F(LoadWave, OpensTheGamesBackslashPathsAndNeedsADevice) {
    folder.Write("resources/cannon2.wav",
                 WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data(kTone).bytes());
    std::string path = folder.path().string() + "\\resources\\cannon2.wav";
    EXPECT_TRUE(theSoundManager->LoadWave(path.c_str(), buffer));
    theSoundManager->device.reset();
    buffer = kUntouched;
    EXPECT_FALSE(theSoundManager->LoadWave(path.c_str(), buffer));
    EXPECT_EQ(buffer, kUntouched);
}

}  // namespace
