// The sound manager: the device's set-up, WAV files read into buffers
// (whole, unusual, damaged and hostile), and effects played as overlapping
// copies.
#include <gtest/gtest.h>

#include <memory>

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

// A buffer of the data's declared size and the file's format (the later
// of two), whatever other chunks there are, the RIFF id unchecked; a file
// ending inside its samples loads those there with silence after.
TEST_F(SoundTest, AReadableFileFillsABufferOfItsDataSizeThatPlaysFromItsStart) {
    const platform::WaveFormat canonical = PcmFormat(2, 44100, 16),
                               stereo = PcmFormat(2, 22050, 16), mono = PcmFormat(1, 22050, 16),
                               eight = PcmFormat(1, 22050, 8);
    const std::vector<std::uint8_t> list = {'I', 'N', 'F', 'O', 'x'};  // odd: no pad byte follows
    const std::tuple<WaveBuilder, platform::WaveFormat, std::vector<std::uint8_t>> files[] = {
        {WaveBuilder().Format(canonical).Data(kTone), canonical, kTone},
        {WaveBuilder().Format(stereo, 18).Data(kTone), stereo, kTone},
        {WaveBuilder().Format(stereo).Chunk("LIST", list).Data(kTone), stereo, kTone},
        {WaveBuilder().Chunk("LIST", list).Format(stereo).Data(kTone), stereo, kTone},
        {WaveBuilder("RIFX").Format(stereo).Data(kTone), stereo, kTone},
        {WaveBuilder().Format(PcmFormat(1, 8000, 8)).Format(stereo).Data(kTone), stereo, kTone},
        {WaveBuilder().Format(mono).Data({1, 2, 3, 4}, 8), mono, {1, 2, 3, 4, 0, 0, 0, 0}},
        {WaveBuilder().Format(eight).Data({1, 2}, 4), eight, {1, 2, 0x80, 0x80}},
    };
    for (const auto& [file, format, contents] : files) {
        SoundBuffer* buffer = nullptr;
        ASSERT_TRUE(Load(file.bytes(), buffer)) << file.bytes().size();
        EXPECT_EQ(Contents(*buffer), contents);
        const platform::WaveFormat& read = record().lastDescription->format;
        EXPECT_EQ(std::tuple(record().lastDescription->bufferBytes, read.channels,
                             read.samplesPerSec, read.avgBytesPerSec, read.bitsPerSample),
                  std::tuple(contents.size(), format.channels, format.samplesPerSec,
                             format.avgBytesPerSec, format.bitsPerSample));
    }
    SoundBuffer* buffer = nullptr;
    ASSERT_TRUE(Load(std::get<0>(files[0]).bytes(), buffer));
    buffer->Play();
    EXPECT_EQ(Heard(*theSoundManager->device, 3),
              (std::vector<std::int16_t>{1000, -1000, 2000, -2000, 3000, -3000}));
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
    EXPECT_FALSE(theSoundManager->LoadWave((folder.path() / "none.wav").string().c_str(), buffer));
    headless.backend().failures().Add({"dsound.buffer", platform::E_FAIL, 1});
    EXPECT_FALSE(Load(WaveBuilder().Format(mono).Data(kTone).bytes(), buffer));
    theSoundManager->device.reset();  // nobody to make the buffer
    EXPECT_FALSE(Load(WaveBuilder().Format(mono).Data(kTone).bytes(), buffer));
    EXPECT_EQ(buffer, kUntouched);
}

}  // namespace
