// Text drawn from the glyph cache, on memory surfaces.
#include "platform/core/text_drawer.h"

#include <SDL2/SDL_ttf.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/font.h"
#include "platform/core/memory_surface.h"
#include "platform/core/screen_format.h"
#include "support/headless_platform.h"

namespace {

using platform::MemorySurface;

constexpr std::uint16_t kInk = 0xFFFF;
const std::string kSample = "SCORE = 001230 Wj_|{}@ \xD8";  // Ø reaches left of its cell

class TextDrawerTest : public ::testing::Test {
protected:
    TextDrawerTest()
        : font(platform::DefaultFontPath(), platform::kDefaultFontPointSize), glyphs(font) {}

    std::unique_ptr<MemorySurface> Draw(std::uint16_t width, std::uint16_t height, std::int32_t x,
                                        std::int32_t y, const std::string& text) {
        auto surface = MemorySurface::Create(width, height, platform::kFormat565);
        platform::DrawText(*surface, glyphs, x, y, text, kInk);
        return surface;
    }

    platform::Font font;
    platform::GlyphCache glyphs;
};

TEST_F(TextDrawerTest, GlyphsComeOutAsTheFontRendersTheWholeTextSolid) {
    SDL_Surface* reference =
        TTF_RenderText_Solid(font.handle(), kSample.c_str(), {255, 255, 255, 255});
    ASSERT_NE(reference, nullptr);
    auto surface = Draw(static_cast<std::uint16_t>(reference->w),
                        static_cast<std::uint16_t>(reference->h), 0, 0, kSample);
    SDL_LockSurface(reference);
    int differences = 0;
    for (int y = 0; y < reference->h; ++y) {
        const auto* row =
            static_cast<const std::uint8_t*>(reference->pixels) + y * reference->pitch;
        for (int x = 0; x < reference->w; ++x) {
            differences += (row[x] != 0) != (surface->Row(y)[x] == kInk);
        }
    }
    SDL_UnlockSurface(reference);
    SDL_FreeSurface(reference);
    EXPECT_EQ(differences, 0);
}

TEST_F(TextDrawerTest, TextRunningOffAnyEdgeIsClippedLikeTheMiddleOfALargerPicture) {
    // The same text drawn 40 pixels in from every edge of a larger surface
    // must show, cut to the small one, exactly what the small one holds.
    struct Case {
        std::int32_t x, y;
    };
    for (Case at : {Case{-13, -7}, Case{50, 20}, Case{-200, 5}, Case{70, -15}, Case{70, 23}}) {
        auto small = Draw(80, 24, at.x, at.y, kSample);
        auto large = Draw(160, 104, at.x + 40, at.y + 40, kSample);
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 80; ++x) {
                ASSERT_EQ(small->Row(y)[x], large->Row(y + 40)[x + 40])
                    << "text at " << at.x << "," << at.y << " pixel " << x << "," << y;
            }
        }
    }
    // Far off, or at the ends of the coordinate range: nothing, and no stray write.
    for (Case far :
         {Case{INT32_MIN, 0}, Case{INT32_MAX - 3, 0}, Case{0, INT32_MIN}, Case{65236, 0}}) {
        auto surface = Draw(8, 8, far.x, far.y, kSample);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) ASSERT_EQ(surface->Row(y)[x], 0);
        }
    }
}

TEST(SurfaceContext, DrawsTheExactTextColourOnATransparentBackgroundInEitherFormat) {
    for (bool rgb555 : {false, true}) {
        platform::Options options;
        options.rgb555 = rgb555;
        HeadlessPlatform headless(options);
        auto surface = MemorySurface::Create(64, 16, headless.backend().ScreenFormat());
        surface->ColorFill(0x0421);
        std::unique_ptr<platform::DeviceContext> context;
        ASSERT_EQ(surface->GetDC(context), 0);
        context->SetTextColor(platform::RGB(192, 255, 192));
        context->SetBkMode(platform::TRANSPARENT);
        context->TextOut(0, 0, "HEALTH");
        surface->ReleaseDC(std::move(context));
        std::uint16_t expected = rgb555 ? 0x63F8 : 0xC7F8;
        int ink = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 64; ++x) {
                std::uint16_t pixel = surface->Row(y)[x];
                ASSERT_TRUE(pixel == expected || pixel == 0x0421) << std::hex << pixel;
                ink += pixel == expected;
            }
        }
        EXPECT_GT(ink, 40);
    }
}

}  // namespace
