// `--audio-out` in headless runs: the game's sound by the virtual clock,
// never at full scale however busy the game, the same for the same keys, and
// a whole file however the game ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/sound_conversion.h"
#include "support/game_run.h"
#include "support/world_fixture.h"

namespace {

using Samples = std::vector<std::int16_t>;

// The samples of a canonical 16-bit PCM file in the mixer's format whose
// sizes agree with its length; a failure otherwise.
Samples Decoded(const std::string& bytes) {
    if (bytes.size() < 44) {
        ADD_FAILURE() << "no header";
        return {};
    }
    auto field = [&](std::size_t at, std::size_t size) {
        std::uint32_t value = 0;
        for (std::size_t i = size; i-- > 0;) value = value << 8 | std::uint8_t(bytes[at + i]);
        return value;
    };
    constexpr auto kFormat = platform::kMixFormat;
    const auto size = static_cast<std::uint32_t>(bytes.size());
    const std::uint32_t frameBytes = 2 * kFormat.channels;
    EXPECT_EQ(bytes.substr(0, 4) + bytes.substr(8, 8) + bytes.substr(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ((std::vector<std::uint32_t>{field(4, 4), field(16, 4), field(20, 2), field(22, 2),
                                          field(24, 4), field(28, 4), field(32, 2), field(34, 2),
                                          field(40, 4)}),
              (std::vector<std::uint32_t>{size - 8, 16, 1, kFormat.channels, kFormat.rate,
                                          kFormat.rate * frameBytes, frameBytes, 16, size - 44}));
    Samples samples((bytes.size() - 44) / 2);
    std::memcpy(samples.data(), bytes.data() + 44, samples.size() * 2);
    return samples;
}

TEST(AudioOut, ABusyGameNeverReachesFullScaleAndTheSameKeysWriteTheSameFile) {
    RunFolder folder;
    folder.Write("busy.keys",
                 "1+ SPACE        # firing all the time, moving under the mothership\n"
                 "60-70 RIGHT\n300-310 LEFT\n600-615 RIGHT\n900-910 LEFT\n"
                 "200 S\n500 S\n800 S\n");
    std::string files[2];
    GameResult run;
    for (std::string& file : files) {
        run = folder.Run(
            {"--headless", "--keys", "busy.keys", "--frames", "1200", "--audio-out", "busy.wav"});
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        file = ReadFile(folder.path() / "busy.wav");
    }
    EXPECT_GE(CountLines(run.log, "shield activated"), 2);
    EXPECT_GE(CountLines(run.log, "boom added"), 20);
    EXPECT_GE(CountLines(run.log, "bullet hit roamie"), 1);
    EXPECT_TRUE(files[0] == files[1]) << "two runs of the same keys wrote different files";

    Samples samples = Decoded(files[0]);
    auto loudest = std::minmax_element(samples.begin(), samples.end());
    EXPECT_LT(std::max(-*loudest.first, int{*loudest.second}), 32767);
    auto loud =
        std::count_if(samples.begin(), samples.end(), [](int s) { return std::abs(s) > 3000; });
    EXPECT_GT(loud, platform::kMixFormat.rate) << "hardly a sound in a busy game";
}

TEST(AudioOut, TheFileIsWholeAndCoversTheRunHoweverTheGameEnds) {
    struct Ending {
        const char* keys;
        std::vector<std::string> options;
        int exitCode;
    } endings[] = {
        {"1-20 LEFT\n21-25 ESC\n", {}, 0},
        {"30 CLOSE\n", {}, 0},
        // Every shot gets a surface of its own; from the twentieth on they
        // fail, and the error handler ends the game.
        {"1-30 RIGHT\n31+ SPACE\n", {"--fail", "ddraw.surface@20"}, 1},
        {"", {"--frames", "60"}, 0},
        {"", {"--frames", "120"}, 0},
    };
    RunFolder folder;
    std::vector<std::size_t> lengths;
    for (const Ending& ending : endings) {
        folder.Write("game.keys", ending.keys);
        std::vector<std::string> options = {"--headless", "--keys", "game.keys", "--audio-out",
                                            "game.wav"};
        options.insert(options.end(), ending.options.begin(), ending.options.end());
        GameResult run = folder.Run(options);
        EXPECT_EQ(run.exitCode, ending.exitCode) << ending.keys << run.errors;
        lengths.push_back(Decoded(ReadFile(folder.path() / "game.wav")).size());
    }
    // Sixty more frames are one more second of sound, to the sample.
    EXPECT_EQ(lengths[4] - lengths[3],
              std::size_t(platform::kMixFormat.rate * platform::kMixFormat.channels));

    std::filesystem::remove(folder.path() / "game.log");
    GameResult refused = folder.Run({"--headless", "--audio-out", "no-such-folder/game.wav"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.errors.find("farhaven: no-such-folder/game.wav: cannot write the sound file"),
              std::string::npos)
        << refused.errors;
    EXPECT_TRUE(refused.log.empty()) << "the game started";
}

}  // namespace
