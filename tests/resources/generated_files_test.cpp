// The generator's files as the game reads them: the pictures through its
// TGA reader, the sounds through its WAV reader, the control file through
// its settings; the pictures and sounds whole and cut short, as a broken
// download or a full disk leaves them (the asan preset checks each access).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <span>
#include <string_view>

#include "config/key_bindings.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "layout.h"
#include "resources.h"
#include "sound/sound_manager.h"
#include "sound/wave_file.h"
#include "support/files.h"
#include "support/headless_platform.h"

namespace {

namespace layout = resgen::layout;
using resgen::Rect;

// Path to bytes, made once for the whole test program.
const std::map<std::string, std::string>& GeneratedFiles() {
    static std::map<std::string, std::string> made;
    if (made.empty()) {
        for (auto& f : resgen::MakeGameFiles()) made[f.path].assign(f.bytes.begin(), f.bytes.end());
    }
    return made;
}

// Every 64th byte, except in the two large pictures: within their first and
// last 4 KiB only and at every 4 KiB between, which keeps the run to
// seconds; FARHAVEN_EVERY_CUT=1 cuts them at every 64th byte throughout.
// Longest first: each load then reuses the memory of a longer one, where a
// reader that left what a cut lacks unwritten would show old pixels.
std::vector<std::size_t> Cuts(std::size_t size) {
    const char* every = std::getenv("FARHAVEN_EVERY_CUT");
    const bool all = every != nullptr && std::string_view(every) == "1";
    std::vector<std::size_t> cuts;
    for (std::size_t cut = 0; cut < size; cut += 64) {
        if (all || cut < 4096 || cut + 4096 >= size || cut % 4096 == 0) cuts.push_back(cut);
    }
    std::reverse(cuts.begin(), cuts.end());
    return cuts;
}

// --- Pictures

std::vector<Rect> Frames(std::initializer_list<std::span<const Rect>> groups) {
    std::vector<Rect> all;
    for (const auto group : groups) all.insert(all.end(), group.begin(), group.end());
    return all;
}

struct Sheet {
    std::string file;
    layout::SheetSize size;
    std::vector<Rect> frames;  // those the game cuts out
};

const Sheet kSheets[] = {
    {"invader1.tga", layout::kInvaderSheet,
     Frames({layout::kEnemyFrames, layout::kBrickFrames, layout::kRoamieFrames})},
    {"stars2.tga", layout::kStarSheet, {}},
    {"bship.tga", layout::kShipSheet, {layout::kShipFrame}},
    {"bullets.tga", layout::kBulletSheet,
     Frames({layout::kPlayerShotFrames, layout::kEnemyShotFrames})},
    {"shield2.tga", layout::kShieldSheet, {layout::kShieldFrame}},
    {"boom.tga", layout::kBoomSheet, Frames({layout::kExplosionFrames})},
};

// As the game loads it: screen pixels, 0 the transparent key.
std::unique_ptr<ImageBuffer> Load(const TempFolder& folder, std::string_view bytes) {
    return TgaLoader().Load(folder.Write("picture.tga", bytes).c_str());
}

// The sum of count(pixel) over the area, counting solid pixels (not the
// transparent key) or how much redder than blue they are.
int Sum(const ImageBuffer& image, const Rect& area, int (*count)(unsigned pixel)) {
    int sum = 0;
    for (int y = area.y; y < area.Bottom(); ++y) {
        for (int x = area.x; x < area.Right(); ++x) sum += count(image.pixels[y * image.width + x]);
    }
    return sum;
}
constexpr auto Solid = [](unsigned pixel) { return pixel != 0 ? 1 : 0; };
int RedOverBlue(unsigned pixel) {
    return int(pixel >> (blueBits + greenBits)) - int(pixel & ((1U << blueBits) - 1));
}

TEST(Pictures, AreTopDownSixteenBitTgaWithAFigureInEveryFrameAndLoadBlackAfterAnyCut) {
    HeadlessPlatform headless;
    ScopedDisplay display;
    TempFolder folder;
    for (const Sheet& sheet : kSheets) {
        const std::string& bytes = GeneratedFiles().at("resources/" + sheet.file);
        // The game takes the first row for the top whatever the header says;
        // the origin bit makes other viewers agree.
        EXPECT_TRUE(bytes.at(2) == 2 && bytes.at(16) == 16 && (bytes.at(17) & 0x30) == 0x20)
            << sheet.file << ": not an uncompressed 16-bit top-down TGA";
        const std::unique_ptr<ImageBuffer> image = Load(folder, bytes);
        ASSERT_TRUE(image && image->pixels && image->width == sheet.size.width &&
                    image->height == sheet.size.height)
            << sheet.file << ": not loaded at its size";
        for (std::size_t i = 0; i < sheet.frames.size(); ++i) {
            const Rect& frame = sheet.frames[i];
            const Rect inner{frame.x + 1, frame.y + 1, frame.width - 2, frame.height - 2};
            SCOPED_TRACE(sheet.file + " frame " + std::to_string(i));
            EXPECT_GE(Sum(*image, inner, Solid) * 4, frame.width * frame.height);  // not empty
            EXPECT_EQ(Sum(*image, frame, Solid), Sum(*image, inner, Solid));  // clear of its edge
            // Where two frames overlap, neither figure may show in the other.
            for (std::size_t j = i + 1; j < sheet.frames.size(); ++j) {
                const Rect shared = resgen::Intersection(frame, sheet.frames[j]);
                EXPECT_EQ(Sum(*image, shared, Solid), 0) << "with frame " << j;
            }
            // The player's two shots are cyan, the enemy's two after them
            // orange: red and blue swapped anywhere from the art to the
            // screen would turn them.
            if (sheet.file == "bullets.tga") {
                EXPECT_EQ(Sum(*image, frame, RedOverBlue) > 0, i >= 2);
            }
        }
        // Cut short, it loads at its header's size, black (transparent)
        // after the cut; without a whole header it has nothing to draw.
        const std::size_t count = std::size_t{image->width} * image->height;
        for (const std::size_t cut : Cuts(bytes.size())) {
            const std::string where = sheet.file + " cut at " + std::to_string(cut);
            const auto part = Load(folder, std::string_view(bytes).substr(0, cut));
            ASSERT_EQ(part && part->pixels, cut >= 18) << where;
            if (cut < 18) continue;
            ASSERT_TRUE(part->width == image->width && part->height == image->height) << where;
            // The pixels the cut holds, then black.
            std::vector<std::uint16_t> expected(
                image->pixels.get(), image->pixels.get() + std::min(count, (cut - 18) / 2));
            expected.resize(count);
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), part->pixels.get())) << where;
        }
    }
    // The game shows (10, 10)-(799, 599) of the star field.
    EXPECT_GE(layout::kStarSheet.width, 799);
    EXPECT_GE(layout::kStarSheet.height, 599);
}

// --- Sounds

// Where the game's reader finds the samples, with their format in found; 0
// when it finds none.
std::size_t FindSamples(const TempFolder& folder, const std::string& bytes, WaveSamples& found) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen(folder.Write("found.wav", bytes).c_str(), "rb"), &std::fclose);
    const std::optional<WaveSamples> samples = FindWaveSamples(file.get());
    found = samples.value_or(WaveSamples{});
    return samples ? static_cast<std::size_t>(std::ftell(file.get())) : 0;
}

TEST(Sounds, AreSixteenBitPcmLoudButNeverClippedFadedInAndOutAndLoadSilentAfterAnyCut) {
    HeadlessPlatform headless;
    TempFolder folder;
    int sounds = 0;
    for (const auto& [path, bytes] : GeneratedFiles()) {
        if (!path.ends_with(".wav")) continue;
        ++sounds;
        WaveSamples found;
        const std::size_t start = FindSamples(folder, bytes, found);
        EXPECT_EQ(found.format.formatTag, platform::WAVE_FORMAT_PCM) << path;
        ASSERT_EQ(found.format.bitsPerSample, 16) << path;
        ASSERT_EQ(start + found.dataSize, bytes.size()) << path;
        std::vector<std::int16_t> samples(found.dataSize / 2);
        std::memcpy(samples.data(), &bytes[start], samples.size() * 2);  // little-endian
        EXPECT_GT(Peak(samples), 32768 / 2) << path << " is faint";
        EXPECT_LT(Peak(samples), 32768 * 95 / 100) << path << " is clipped";  // flat tops
        EXPECT_LT(std::abs(samples.at(0)), 328) << path << " starts with a click";
        // Its last 5 ms fade out rather than stop dead.
        const std::size_t fiveMs = found.format.samplesPerSec / 200;
        ASSERT_GT(samples.size(), fiveMs) << path;
        EXPECT_LT(Peak({samples.end() - long(fiveMs), samples.end()}), 655) << path;
        // Cut short, it loads silent after the cut, or not at all when the
        // cut comes before its first sample.
        ASSERT_GT(start, 0U) << path;
        for (const std::size_t cut : Cuts(bytes.size())) {
            SoundManager manager;  // a device for each cut: its buffers go with it
            ASSERT_TRUE(manager.InitSound(1, platform::DSSCL_EXCLUSIVE));
            platform::SoundBuffer* buffer = nullptr;
            const std::string file = folder.Write("sound.wav", bytes.substr(0, cut));
            const bool loaded = manager.LoadWave(file.c_str(), buffer) && buffer != nullptr;
            ASSERT_EQ(loaded, cut >= start) << path << " cut at " << cut;
            if (!loaded) continue;
            std::vector<std::uint8_t> expected(&bytes[start], &bytes[cut]);
            expected.resize(bytes.size() - start);  // the samples the cut holds, then silence
            EXPECT_TRUE(Contents(*buffer) == expected) << path << " cut at " << cut;
        }
    }
    EXPECT_EQ(sounds, 3);
}

// --- The game folder and the control file

TEST(Output, GameFolderHoldsExactlyWhatTheGeneratorMakesNow) {
    // The build reruns the generator whenever it changes; a stale or stray
    // file here means that hookup broke.
    const std::filesystem::path folder(FARHAVEN_GAME_DIR);
    std::set<std::string> found{"quorlat.ctl"};
    for (const auto& entry : std::filesystem::directory_iterator(folder / "resources")) {
        found.insert("resources/" + entry.path().filename().string());
    }
    // Copied, not made: the font that the Windows game carries.
    found.erase("resources/DejaVuSansMono-Bold.ttf");
    for (const auto& [path, bytes] : GeneratedFiles()) {
        EXPECT_EQ(found.erase(path), 1U) << path << " is missing";
        EXPECT_TRUE(ReadFile(folder / path) == bytes) << path << " is out of date";
    }
    EXPECT_TRUE(found.empty()) << *found.begin() << " is no longer made";
}

// The file as the game reads it at start-up, every value marked: a key the
// game falls back on, missing or in the wrong section, shows unmarked, as
// does one not at its default.
TEST(Output, ControlFileWritesEveryKeyAtItsDefault) {
    HeadlessPlatform headless;
    const TempFolder folder;
    auto read = [&] {
        ResetConfiguration();
        ProgramDirectory = folder.path().string();
        ReadControlFile();
        return ControlValues;
    };
    const std::map<std::string, std::string> defaults = read();  // no file yet
    std::string marked = GeneratedFiles().at("quorlat.ctl");
    for (std::size_t at = 0; (at = marked.find('=', at)) != std::string::npos; at += 2) {
        marked.insert(at + 1, 1, '7');
    }
    folder.Write("quorlat.ctl", marked);
    for (const auto& [key, value] : read()) EXPECT_EQ(value, "7" + defaults.at(key)) << key;
    ResetConfiguration();
    // [KEYS] lists every action with its own key.
    auto keys = ProfileFile::Parse(GeneratedFiles().at("quorlat.ctl")).Section("KEYS");
    ASSERT_EQ(keys.size(), kBindableActions.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(std::tuple(keys[i].key, platform::RealKeyByName(keys[i].value)),
                  std::tuple(std::string(kBindableActions[i].name),
                             platform::RealKeyByName(kBindableActions[i].ownKey)));
    }
}

}  // namespace
