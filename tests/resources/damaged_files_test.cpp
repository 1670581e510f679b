// The game's own readers on its generated files cut short at every 64-byte
// boundary, as a broken download or a full disk leaves them: each cut loads
// or is refused, within bounds (the asan preset checks every access).
//
// The two large images are cut at every boundary within their first and
// last 4 KiB and at every 4 KiB between, which keeps the run to seconds;
// FARHAVEN_EVERY_CUT=1 cuts them at every boundary too.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/exceptions.h"
#include "decoded_files.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "sound/sound_manager.h"
#include "support/display_setup.h"
#include "support/headless_platform.h"

namespace {

namespace fs = std::filesystem;
using resources_test::GeneratedFiles;

constexpr std::size_t kStep = 64;
constexpr std::size_t kDenseEdge = 4096;

bool EveryCutAsked() {
    const char* every = std::getenv("FARHAVEN_EVERY_CUT");
    return every != nullptr && std::string(every) == "1";
}

// The cuts of a file of `size` bytes: 0, 64, 128, ... below the size.
std::vector<std::size_t> Cuts(std::size_t size) {
    std::vector<std::size_t> cuts;
    bool every = EveryCutAsked();
    for (std::size_t cut = 0; cut < size; cut += kStep) {
        bool nearAnEdge = cut < kDenseEdge || cut + kDenseEdge >= size;
        if (every || nearAnEdge || cut % kDenseEdge == 0) cuts.push_back(cut);
    }
    return cuts;
}

class DamagedFiles : public HeadlessTest {
protected:
    ~DamagedFiles() override { fs::remove(path); }

    // Writes the first `size` bytes of a generated file.
    const char* Cut(const std::vector<std::uint8_t>& bytes, std::size_t size) {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(size));
        return pathText.c_str();
    }

    fs::path path = fs::temp_directory_path() / ("farhaven_cut_" + std::to_string(::getpid()));
    std::string pathText = path.string();
};

// A TGA with its whole header loads at the header's size, the pixels it
// lacks left black (transparent); one cut inside the header has no pixels
// to draw.
TEST_F(DamagedFiles, EveryCutImageLoadsAtItsSizeOrNotAtAll) {
    ScopedDisplay display;
    TgaLoader loader;
    int images = 0;
    for (const resgen::GameFile& file : GeneratedFiles()) {
        if (file.path.find(".tga") == std::string::npos) continue;
        ++images;
        const std::uint16_t width = file.bytes[12] | file.bytes[13] << 8;
        const std::uint16_t height = file.bytes[14] | file.bytes[15] << 8;
        for (std::size_t cut : Cuts(file.bytes.size())) {
            std::unique_ptr<ImageBuffer> image = loader.Load(Cut(file.bytes, cut));
            if (cut < 18) {
                EXPECT_TRUE(!image || std::size_t{image->width} * image->height == 0)
                    << file.path << " cut at " << cut;
                continue;
            }
            ASSERT_NE(image, nullptr) << file.path << " cut at " << cut;
            EXPECT_EQ(image->width, width) << file.path << " cut at " << cut;
            EXPECT_EQ(image->height, height) << file.path << " cut at " << cut;
            EXPECT_EQ(image->pixels[std::size_t{width} * height - 1], 0)
                << file.path << " cut at " << cut << ": the missing last pixel";
        }
    }
    EXPECT_EQ(images, 6);
}

// A WAV cut anywhere loads what it holds or is refused; a cut sound never
// fills its buffer with more than the file had.
TEST_F(DamagedFiles, EveryCutSoundLoadsOrIsRefused) {
    int sounds = 0;
    for (const resgen::GameFile& file : GeneratedFiles()) {
        if (file.path.find(".wav") == std::string::npos) continue;
        ++sounds;
        bool loadedAny = false;
        for (std::size_t cut : Cuts(file.bytes.size())) {
            // A device of its own for every cut, so that buffers do not pile up.
            SoundManager sound;
            ASSERT_TRUE(sound.InitSound(1, platform::DSSCL_EXCLUSIVE));
            platform::SoundBuffer* buffer = nullptr;
            bool loaded = false;
            try {
                loaded = sound.LoadWave(Cut(file.bytes, cut), buffer);
            } catch (direct_exception* error) {
                ADD_FAILURE() << file.path << " cut at " << cut << ": " << error->GetText();
                delete error;
            }
            EXPECT_EQ(loaded, buffer != nullptr) << file.path << " cut at " << cut;
            if (cut < 44) {
                EXPECT_FALSE(loaded) << file.path << " cut at " << cut;
            }
            loadedAny = loadedAny || loaded;
        }
        EXPECT_TRUE(loadedAny) << file.path << ": no cut of it loaded at all";
    }
    EXPECT_EQ(sounds, 3);
}

}  // namespace
