// Surfaces and what is drawn on them: blits, text, and the picture's
// conversion to the window's pixels.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/core/display/argb_convert.h"
#include "platform/core/display/argb_picture.h"
#include "platform/core/display/blitter.h"
#include "platform/core/display/memory_surface.h"
#include "platform/core/display/screen_format.h"
#include "platform/core/display/text_drawer.h"
#include "support/headless_platform.h"

namespace {

// Memory surfaces and the pixel loops, and the picture on its way out as
// ARGB.

using platform::BlitKeyed;
using platform::Rect;
using Pixels = std::vector<std::uint16_t>;

// A surface holding the pixels given, rows in order, then 0.
std::unique_ptr<platform::MemorySurface> Made(std::uint16_t width, std::uint16_t height,
                                              const Pixels& pixels = {}) {
    auto made = platform::MemorySurface::Create(width, height, platform::kFormat565);
    for (std::size_t i = 0; made && i < pixels.size(); ++i)
        made->Row(int(i / width))[i % width] = pixels[i];
    return made;
}

// There is no clipping: a rectangle not wholly inside its surface draws
// nothing. A stretch takes the pixel under each centre, and a copy within one
// surface reads its source before writing.
TEST(Blitter, CopiesAllButKeyPixelsStretchedIntoRectanglesWhollyInsideTheirSurfaces) {
    const platform::HRESULT refused = platform::DDERR_INVALIDRECT;
    auto source = Made(3, 2, {5, 0, 6, 0, 7, 0});
    auto target = Made(5, 3, Pixels(15, 9));
    for (Rect outside : {Rect{-1, 0, 2, 2}, Rect{0, -1, 3, 1}, Rect{3, 1, 6, 3}, Rect{2, 2, 5, 4},
                         Rect{1, 1, 1, 3}, Rect{1, 3, 4, 1}}) {
        EXPECT_EQ(BlitKeyed(*target, outside, *source, {0, 0, 3, 2}, 0), refused);
    }
    EXPECT_EQ(BlitKeyed(*target, {0, 0, 3, 2}, *source, {1, 0, 4, 2}, 0), refused);
    EXPECT_EQ(BlitKeyed(*target, {2, 1, 5, 3}, *source, {0, 0, 3, 2}, 0), 0);  // to the far corner
    EXPECT_EQ(PixelsOf(*target), (Pixels{9, 9, 9, 9, 9, 9, 9, 5, 9, 6, 9, 9, 9, 7, 9}));
    auto wide = Made(4, 2, {1, 2, 3, 4, 5, 0, 7, 8});
    EXPECT_EQ(BlitKeyed(*target, {0, 0, 2, 3}, *wide, {0, 0, 4, 2}, 0), 0);
    EXPECT_EQ(BlitKeyed(*wide, {1, 0, 4, 1}, *wide, {0, 0, 3, 1}, 0), 0);
    EXPECT_EQ(PixelsOf(*target), (Pixels{2, 4, 9, 9, 9, 9, 8, 5, 9, 6, 9, 8, 9, 7, 9}));
    EXPECT_EQ(PixelsOf(*wide), (Pixels{1, 1, 2, 3, 5, 0, 7, 8}));
}

class Text : public HeadlessTest {};

// Text across any edge of a small surface shows what the middle of a larger
// one shows, and nothing is written outside it; the heads-up line and the
// fades show its colour on the screen.
TEST_F(Text, IsClippedAtEveryEdgeOfItsSurface) {
    const std::string sample = "SCORE = 001230 Wj_|{}@ \xD8";  // Ø reaches left of its cell
    auto draw = [&](int width, int height, std::int32_t x, std::int32_t y) {
        auto surface = Made(width, height, Pixels(width * height, 0x0421));
        std::unique_ptr<platform::DeviceContext> context;
        surface->GetDC(context);
        context->SetTextColor(platform::RGB(255, 160, 64));
        context->TextOut(x, y, sample);
        return PixelsOf(*surface);
    };
    EXPECT_NE(draw(80, 24, 0, 0), Pixels(80 * 24, 0x0421)) << "no text drawn";
    for (auto [x, y] : {std::pair{-13, -7}, {50, 20}, {-200, 5}, {70, -15}, {70, 23}}) {
        Pixels large = draw(160, 104, x + 40, y + 40);
        Pixels middle;
        for (int row = 40; row < 64; ++row)
            middle.insert(middle.end(), &large[row * 160 + 40], &large[row * 160 + 120]);
        EXPECT_EQ(draw(80, 24, x, y), middle) << x << "," << y;
    }
}

// The kept picture, the screen's 16-bit pixels as the window's 32-bit ones,
// converting only the spans that changed since the last flip.

using platform::ArgbPicture;
using Rows = std::vector<ArgbPicture::Rows>;

void ExpectWholeConversion(const ArgbPicture& picture, const platform::MemorySurface& surface) {
    std::vector<std::uint32_t> whole(surface.Width() * surface.Height());
    platform::ConvertToArgb(surface, whole.data(), surface.Width() * 4);
    for (std::int32_t y = 0; y < surface.Height(); ++y) {
        EXPECT_TRUE(std::equal(whole.begin() + y * surface.Width(),
                               whole.begin() + (y + 1) * surface.Width(), picture.Row(y)))
            << "row " << y;
    }
}

TEST(ArgbPicture, IsTheWholeScreenConvertedAfterEveryUpdateAndNamesTheRowsThatChanged) {
    // 50 pixels: a whole span of 32 and a part of one.
    auto surface = platform::MemorySurface::Create(50, 12, platform::kFormat565);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 50; ++x) surface->Row(y)[x] = static_cast<std::uint16_t>(x * 1237 + y);
    }
    struct Step {
        std::vector<std::pair<int, int>> changes;  // x, y
        Rows changed;
    } steps[] = {
        {{}, {{0, 12}}},  // the first time: everything
        {{}, {}},
        {{{49, 3}, {0, 4}, {33, 10}, {31, 11}}, {{3, 2}, {10, 2}}},
        {{{32, 0}, {5, 6}, {6, 6}}, {{0, 1}, {6, 1}}},
    };
    ArgbPicture picture;
    for (const Step& step : steps) {
        for (auto [x, y] : step.changes) surface->Row(y)[x] ^= 0x8421;
        EXPECT_EQ(picture.Update(*surface), step.changed);
        ExpectWholeConversion(picture, *surface);
    }
    picture.Forget();
    EXPECT_EQ(picture.Update(*surface), (Rows{{0, 12}}));

    auto other = platform::MemorySurface::Create(50, 12, platform::kFormat555);
    for (int y = 0; y < 12; ++y) std::copy_n(surface->Row(y), 50, other->Row(y));
    EXPECT_EQ(picture.Update(*other), (Rows{{0, 12}})) << "a new format";
    ExpectWholeConversion(picture, *other);
}

}  // namespace
