// The desktop icons, read back by SDL2_image: the sizes a theme wants, a
// round figure on a transparent ground, and the small one the large one
// made small.
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "resources.h"

namespace resources_test {
namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Picture = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Decoded to RGBA bytes in memory order, or empty when it cannot be read.
Picture Decode(const std::vector<std::uint8_t>& bytes) {
    Picture loaded(
        IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1));
    if (!loaded) return nullptr;
    return Picture(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGBA32, 0));
}

// Channel 0-3 (red, green, blue, alpha) of a pixel.
int Channel(SDL_Surface* picture, int x, int y, int channel) {
    const auto* row = static_cast<const std::uint8_t*>(picture->pixels) + y * picture->pitch;
    return row[x * 4 + channel];
}

TEST(Icon, IsARoundOpaqueFigureOnATransparentGroundAtBothSizes) {
    std::vector<resgen::GameFile> files = resgen::MakeIconFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].path, "hicolor/128x128/apps/farhaven.png");
    EXPECT_EQ(files[1].path, "hicolor/64x64/apps/farhaven.png");
    Picture large = Decode(files[0].bytes);
    Picture small = Decode(files[1].bytes);
    ASSERT_TRUE(large && small) << IMG_GetError();
    ASSERT_EQ(large->w, 128);
    ASSERT_EQ(large->h, 128);
    ASSERT_EQ(small->w, 64);
    ASSERT_EQ(small->h, 64);

    for (auto [x, y] :
         {std::pair{0, 0}, std::pair{127, 0}, std::pair{0, 127}, std::pair{127, 127}}) {
        EXPECT_EQ(Channel(large.get(), x, y, 3), 0) << "corner " << x << "," << y;
    }
    EXPECT_EQ(Channel(large.get(), 64, 64, 3), 255) << "the middle";
    // The fighter at the middle is lit metal, brighter than the deep space around it.
    int lit = 0;
    for (int y = 50; y < 110; ++y) {
        for (int x = 30; x < 98; ++x) {
            if (Channel(large.get(), x, y, 0) + Channel(large.get(), x, y, 1) +
                    Channel(large.get(), x, y, 2) >
                400) {
                ++lit;
            }
        }
    }
    EXPECT_GT(lit, 600);

    int differences = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            int averageAlpha = 0;
            for (int d = 0; d < 4; ++d)
                averageAlpha += Channel(large.get(), x * 2 + d % 2, y * 2 + d / 2, 3);
            if (std::abs(averageAlpha / 4 - Channel(small.get(), x, y, 3)) > 2) ++differences;
        }
    }
    EXPECT_EQ(differences, 0) << "the small icon is not the large one made small";
}

}  // namespace
}  // namespace resources_test
