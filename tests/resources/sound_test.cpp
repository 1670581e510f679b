// The sounds as the game reads them, whole and cut short: 16-bit PCM, loud
// but never clipped, starting and ending in silence so that they never click.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>

#include "generated_files.h"
#include "sound/sound_manager.h"
#include "sound/wave_file.h"
#include "support/headless_platform.h"
#include "support/sound_output.h"
#include "support/wave_files.h"

namespace {

// What the game's reader finds before the samples, and the samples' bytes.
struct Sound {
    WaveSamples found;
    std::vector<std::uint8_t> samples;
};

std::optional<Sound> Read(const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(bytes.data()), bytes.size(), "rb");
    const std::optional<WaveSamples> found = file ? FindWaveSamples(file) : std::nullopt;
    const long start = file ? std::ftell(file) : 0;
    if (file) std::fclose(file);
    if (!found) return std::nullopt;
    return Sound{*found, std::vector<std::uint8_t>(bytes.begin() + start, bytes.end())};
}

TEST(Sounds, AreSixteenBitPcmLoudButNeverClippedAndStartAndEndInSilence) {
    int sounds = 0;
    for (const resgen::GameFile& file : GeneratedFiles()) {
        if (!file.path.ends_with(".wav")) continue;
        ++sounds;
        const std::optional<Sound> sound = Read(file.bytes);
        ASSERT_TRUE(sound) << file.path;
        EXPECT_EQ(sound->found.format.formatTag, platform::WAVE_FORMAT_PCM) << file.path;
        EXPECT_EQ(sound->found.format.bitsPerSample, 16) << file.path;
        ASSERT_EQ(sound->found.dataSize, sound->samples.size()) << file.path;
        std::vector<std::int16_t> samples;
        for (std::size_t at = 0; at + 1 < sound->samples.size(); at += 2) {
            samples.push_back(std::int16_t(sound->samples[at] | sound->samples[at + 1] << 8));
        }
        ASSERT_GT(samples.size(), 1000U) << file.path;
        const int peak = Peak(samples);
        EXPECT_GT(peak, 32768 / 2) << file.path << " is faint";
        EXPECT_LT(peak, 32768 * 95 / 100) << file.path << " is clipped";  // flat at full scale
        EXPECT_LT(std::abs(int{samples.front()}), 328) << file.path << " starts with a click";
        EXPECT_LT(std::abs(int{samples.back()}), 328) << file.path << " ends with a click";
        // Its last 5 ms fade out rather than stop dead.
        const std::size_t tail = sound->found.format.samplesPerSec / 200;
        double power = 0;
        for (std::size_t i = samples.size() - tail; i < samples.size(); ++i) {
            power += double(samples[i]) * samples[i];
        }
        EXPECT_LT(std::sqrt(power / double(tail)), 655) << file.path << " stops dead";
    }
    EXPECT_EQ(sounds, 3);
}

// Cut short, as a broken download or a full disk leaves it, a sound loads
// silent after the cut, or not at all when the cut comes before its first
// sample. The asan preset checks every access.
TEST(DamagedFiles, EveryCutSoundLoadsSilentAfterTheCutOrNotAtAll) {
    HeadlessPlatform headless;
    TempFolder folder;
    for (const resgen::GameFile& file : GeneratedFiles()) {
        if (!file.path.ends_with(".wav")) continue;
        const std::optional<Sound> sound = Read(file.bytes);
        ASSERT_TRUE(sound) << file.path;
        const std::vector<std::uint8_t>& samples = sound->samples;
        // As generated, and as an editor saves it again: a longer "fmt "
        // chunk and a chunk of its own before the samples.
        const std::vector<std::uint8_t> resaved = WaveBuilder()
                                                      .Format(sound->found.format, 18)
                                                      .Chunk("LIST", {'I', 'N', 'F', 'O'})
                                                      .Data(samples)
                                                      .bytes();
        for (const std::vector<std::uint8_t>* bytes : {&file.bytes, &resaved}) {
            const std::size_t start = bytes->size() - samples.size();
            for (const std::size_t cut : Cuts(bytes->size())) {
                const std::string where = file.path + " cut at " + std::to_string(cut);
                SoundManager manager;  // a device for each cut: its buffers go with it
                ASSERT_TRUE(manager.InitSound(1, platform::DSSCL_EXCLUSIVE));
                platform::SoundBuffer* buffer = nullptr;
                const bool loaded = manager.LoadWave(WriteCut(folder, *bytes, cut).c_str(), buffer);
                ASSERT_EQ(loaded && buffer != nullptr, cut >= start) << where;
                if (!loaded) continue;
                const std::vector<std::uint8_t> heard = Contents(*buffer);
                const auto held = static_cast<long>(cut - start);
                ASSERT_EQ(heard.size(), samples.size()) << where;
                EXPECT_TRUE(std::equal(heard.begin(), heard.begin() + held, samples.begin()))
                    << where;
                EXPECT_TRUE(
                    std::all_of(heard.begin() + held, heard.end(), [](auto b) { return b == 0; }))
                    << where << ": not silent after the cut";
            }
        }
    }
}

}  // namespace
