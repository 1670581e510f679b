// Reading WAV files into sound buffers, whole, damaged and hostile.
#include <gtest/gtest.h>

#include "shell/exceptions.h"
#include "sound/sound_fixture.h"
#include "support/sound_output.h"

namespace {

using platform::SoundBuffer;

const std::vector<std::int16_t> kTone = {1000, -1000, 2000, -2000, 3000, -3000};

// The bytes the buffer holds.
std::vector<std::uint8_t> Contents(SoundBuffer* buffer) {
    std::uint8_t* region = nullptr;
    std::uint32_t bytes = 0;
    EXPECT_EQ(buffer->Lock(region, bytes), platform::S_OK);
    std::vector<std::uint8_t> contents(region, region + bytes);
    buffer->Unlock(region, bytes);
    return contents;
}

class LoadWave : public SoundTest {
protected:
    SoundBuffer* buffer = nullptr;
};

TEST_F(LoadWave, ACanonicalFileFillsABufferOfExactlyItsDataAndDescribesItsFormat) {
    WaveBuilder wave;
    wave.Format(PcmFormat(2, 22050, 16)).Data(Samples16(kTone));
    ASSERT_EQ(wave.bytes().size(), 44u + 12u);
    ASSERT_TRUE(Load(wave.bytes(), buffer));
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(Contents(buffer), Samples16(kTone));

    const platform::SoundBufferDescription& description = *record().lastDescription;
    EXPECT_EQ(description.flags, 2u);
    EXPECT_EQ(description.bufferBytes, 12u);
    EXPECT_EQ(description.format.formatTag, 1);
    EXPECT_EQ(description.format.channels, 2);
    EXPECT_EQ(description.format.samplesPerSec, 22050u);
    EXPECT_EQ(description.format.avgBytesPerSec, 88200u);
    EXPECT_EQ(description.format.blockAlign, 4);
    EXPECT_EQ(description.format.bitsPerSample, 16);
    EXPECT_EQ(description.format.extraSize, 18);
}

TEST_F(LoadWave, ALoadedSoundPlaysFromItsFirstSample) {
    WaveBuilder wave;
    wave.Format(PcmFormat(2, 44100, 16)).Data(Samples16(kTone));
    ASSERT_TRUE(Load(wave.bytes(), buffer));
    buffer->Play();
    EXPECT_EQ(Pull(*theSoundManager->device, 3), kTone);
}

TEST_F(LoadWave, SkipsALongFormatChunkAndOtherChunksAndDoesNotCheckTheRiffId) {
    struct Case {
        const char* what;
        WaveBuilder wave;
    };
    Case cases[] = {
        {"18-byte fmt", WaveBuilder().Format(PcmFormat(2, 22050, 16), 18)},
        {"LIST before data", WaveBuilder().Format(PcmFormat(2, 22050, 16))},
        {"LIST before fmt", WaveBuilder().Chunk("LIST", {'I', 'N', 'F', 'O', 1, 2, 3})},
        {"RIFX id", WaveBuilder("RIFX").Format(PcmFormat(2, 22050, 16))},
        {"a later fmt counts", WaveBuilder().Format(PcmFormat(1, 8000, 8))},
    };
    cases[1].wave.Chunk("LIST", {'I', 'N', 'F', 'O', 'I', 'N', 'A', 'M', 2, 0, 0, 0, 'x', 0});
    cases[2].wave.Format(PcmFormat(2, 22050, 16));
    cases[4].wave.Format(PcmFormat(2, 22050, 16));
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        buffer = nullptr;
        c.wave.Data(Samples16(kTone));
        ASSERT_TRUE(Load(c.wave.bytes(), buffer));
        EXPECT_EQ(Contents(buffer), Samples16(kTone));
        EXPECT_EQ(record().lastDescription->format.channels, 2);
        EXPECT_EQ(record().lastDescription->format.samplesPerSec, 22050u);
    }
}

TEST_F(LoadWave, AFileEndingInsideItsSamplesLoadsThemWithSilenceAfter) {
    WaveBuilder sixteen;
    sixteen.Format(PcmFormat(1, 22050, 16)).Data(Samples16({1000, 2000}), 10);
    ASSERT_TRUE(Load(sixteen.bytes(), buffer));
    EXPECT_EQ(Contents(buffer), (std::vector<std::uint8_t>{0xE8, 0x03, 0xD0, 0x07, 0, 0, 0, 0, 0, 0}));

    WaveBuilder eight;
    eight.Format(PcmFormat(1, 22050, 8)).Data({0x10, 0x20}, 5);
    ASSERT_TRUE(Load(eight.bytes(), buffer));
    EXPECT_EQ(Contents(buffer), (std::vector<std::uint8_t>{0x10, 0x20, 0x80, 0x80, 0x80}));
}

TEST_F(LoadWave, AFileWithoutSamplesInAKnownFormatGivesNoBuffer) {
    SoundBuffer* const untouched = reinterpret_cast<SoundBuffer*>(0x1234);
    WaveBuilder noData;
    noData.Format(PcmFormat(1, 22050, 16)).Chunk("LIST", {1, 2, 3, 4});
    WaveBuilder formatAfterData;
    formatAfterData.Data(Samples16(kTone)).Format(PcmFormat(1, 22050, 16));
    WaveBuilder noFormat;
    noFormat.Data(Samples16(kTone));
    WaveBuilder shortFormat;
    shortFormat.Chunk("fmt ", {1, 0, 1, 0});
    WaveBuilder pastTheEnd;  // a chunk claiming more than the file holds
    pastTheEnd.Format(PcmFormat(1, 22050, 16)).Chunk("LIST", {1, 2}, 0xFFFFFFF0);
    pastTheEnd.Data(Samples16(kTone));
    const std::vector<std::uint8_t> shortHeader = {'R', 'I', 'F', 'F', 0, 0};
    const std::vector<std::uint8_t> files[] = {noData.bytes(),      formatAfterData.bytes(),
                                               noFormat.bytes(),    shortFormat.bytes(),
                                               pastTheEnd.bytes(),  shortHeader, {}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.size());
        buffer = untouched;
        EXPECT_FALSE(Load(file, buffer));
        EXPECT_EQ(buffer, untouched);
    }
    EXPECT_FALSE(record().lastDescription.has_value());  // nothing was asked of the device
}

TEST_F(LoadWave, AHugeDeclaredSizeIsRefusedWithoutTakingTheMemory) {
    WaveBuilder wave;
    wave.Format(PcmFormat(2, 44100, 16)).Data(Samples16(kTone), 0xFFFFFFFF);
    EXPECT_FALSE(Load(wave.bytes(), buffer));
    EXPECT_EQ(buffer, nullptr);
    EXPECT_EQ(record().lastDescription->bufferBytes, 0xFFFFFFFFu);
}

TEST_F(LoadWave, AMissingFileOrARefusedBufferIsFalseAndLeavesTheBufferAlone) {
    SoundBuffer* const untouched = reinterpret_cast<SoundBuffer*>(0x1234);
    buffer = untouched;
    EXPECT_FALSE(theSoundManager->LoadWave((folder.path() / "none.wav").c_str(), buffer));
    EXPECT_EQ(buffer, untouched);

    WaveBuilder adpcm;
    platform::WaveFormat format = PcmFormat(1, 22050, 4);
    format.formatTag = 2;
    adpcm.Format(format).Data({1, 2, 3, 4});
    EXPECT_FALSE(Load(adpcm.bytes(), buffer));
    EXPECT_EQ(buffer, untouched);

    headless.backend().failures().Add({"dsound.buffer", platform::E_OUTOFMEMORY, 1});
    WaveBuilder fine;
    fine.Format(PcmFormat(1, 22050, 16)).Data(Samples16(kTone));
    EXPECT_FALSE(Load(fine.bytes(), buffer));
    EXPECT_EQ(buffer, untouched);
}

TEST_F(LoadWave, OpensTheGamesBackslashPaths) {
    WaveBuilder wave;
    wave.Format(PcmFormat(1, 22050, 16)).Data(Samples16(kTone));
    folder.Write("resources/cannon2.wav", wave.bytes());
    std::string path = folder.path().string() + "\\resources\\cannon2.wav";
    EXPECT_TRUE(theSoundManager->LoadWave(path.c_str(), buffer));
}

TEST_F(LoadWave, ABufferThatCannotBeLockedThrowsItsCode) {
    headless.backend().failures().Add({"dsound.lock", platform::E_OUTOFMEMORY, 1});
    WaveBuilder wave;
    wave.Format(PcmFormat(1, 22050, 16)).Data(Samples16(kTone));
    try {
        Load(wave.bytes(), buffer);
        FAIL() << "no exception";
    } catch (direct_exception* error) {
        EXPECT_EQ(error->code, platform::E_OUTOFMEMORY);
        EXPECT_STREQ(error->GetText(), "Out of memory");
        delete error;
    }
}

TEST_F(LoadWave, WithoutADeviceNothingLoads) {
    theSoundManager->device.reset();
    WaveBuilder wave;
    wave.Format(PcmFormat(1, 22050, 16)).Data(Samples16(kTone));
    EXPECT_FALSE(Load(wave.bytes(), buffer));
    EXPECT_EQ(buffer, nullptr);
}

}  // namespace
