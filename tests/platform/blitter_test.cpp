// The shared pixel loops, on plain memory surfaces: no platform, no display.
#include "platform/core/blitter.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/core/memory_surface.h"
#include "platform/core/screen_format.h"

namespace {

using platform::MemorySurface;
using platform::Rect;

std::unique_ptr<MemorySurface> Surface(std::uint16_t width, std::uint16_t height,
                                       std::uint16_t fill = 0) {
    auto surface = MemorySurface::Create(width, height, platform::kFormat565);
    if (surface) platform::FillSurface(*surface, fill);
    return surface;
}

std::vector<std::uint16_t> Pixels(const MemorySurface& surface) {
    std::vector<std::uint16_t> pixels;
    for (int y = 0; y < surface.Height(); ++y) {
        pixels.insert(pixels.end(), surface.Row(y), surface.Row(y) + surface.Width());
    }
    return pixels;
}

TEST(MemorySurface, RowsArePaddedSoThatIgnoringThePitchShows) {
    for (std::uint16_t width = 1; width <= 1024; ++width) {
        std::int32_t pitch = MemorySurface::PitchFor(width);
        ASSERT_GT(pitch, width * 2);
        ASSERT_LE(pitch, width * 2 + 32);
        ASSERT_EQ(pitch % 32, 0);
    }
    auto surface = Surface(800, 2, 0x1234);
    const std::uint16_t* padding = surface->Row(0) + 800;
    EXPECT_EQ(padding[0], 0);  // a fill covers the picture, not the padding
    EXPECT_EQ(surface->Row(1)[0], 0x1234);
}

TEST(MemorySurface, EmptyAndOversizedSurfacesAreRefused) {
    EXPECT_EQ(Surface(0, 10), nullptr);
    EXPECT_EQ(Surface(10, 0), nullptr);
    EXPECT_EQ(Surface(platform::kMaxSurfaceSide + 1, 1), nullptr);
    EXPECT_NE(Surface(platform::kMaxSurfaceSide, 1), nullptr);
}

TEST(Blitter, KeyedCopyLeavesKeyPixelsAndEverythingOutsideTheRectangle) {
    auto source = Surface(3, 2);
    source->Row(0)[0] = 5;
    source->Row(0)[2] = 6;
    source->Row(1)[1] = 7;
    auto target = Surface(5, 4, 9);
    EXPECT_EQ(platform::BlitKeyed(*target, {1, 1, 4, 3}, *source, {0, 0, 3, 2}, 0), 0);
    EXPECT_EQ(Pixels(*target), (std::vector<std::uint16_t>{9, 9, 9, 9, 9,  //
                                                           9, 5, 9, 6, 9,  //
                                                           9, 9, 7, 9, 9,  //
                                                           9, 9, 9, 9, 9}));
}

TEST(Blitter, RectanglesNotWhollyInsideTheirSurfaceAreRefusedAndDrawNothing) {
    auto source = Surface(4, 4, 1);
    auto target = Surface(8, 8, 9);
    for (Rect outside : {Rect{-1, 0, 3, 4}, Rect{0, -1, 4, 3}, Rect{5, 0, 9, 4}, Rect{0, 5, 4, 9},
                         Rect{2, 2, 2, 6}, Rect{2, 6, 6, 2}}) {
        EXPECT_EQ(platform::BlitKeyed(*target, outside, *source, {0, 0, 4, 4}, 0),
                  platform::DDERR_INVALIDRECT);
    }
    EXPECT_EQ(platform::BlitKeyed(*target, {0, 0, 4, 4}, *source, {1, 1, 5, 5}, 0),
              platform::DDERR_INVALIDRECT);
    EXPECT_EQ(Pixels(*target), std::vector<std::uint16_t>(64, 9));
    EXPECT_EQ(platform::BlitKeyed(*target, {4, 4, 8, 8}, *source, {0, 0, 4, 4}, 0), 0);
}

TEST(Blitter, StretchingTakesTheNearestSourcePixelAndKeepsTheKey) {
    auto source = Surface(2, 2);
    source->Row(0)[0] = 1;
    source->Row(0)[1] = 2;
    source->Row(1)[1] = 4;  // (0, 1) stays 0: transparent
    auto target = Surface(4, 4, 9);
    EXPECT_EQ(platform::BlitKeyed(*target, {0, 0, 4, 4}, *source, {0, 0, 2, 2}, 0), 0);
    EXPECT_EQ(Pixels(*target), (std::vector<std::uint16_t>{1, 1, 2, 2,  //
                                                           1, 1, 2, 2,  //
                                                           9, 9, 4, 4,  //
                                                           9, 9, 4, 4}));
}

TEST(Blitter, TheFastCopyMatchesPixelByPixelSelectionAtEveryWidth) {
    std::mt19937 random(7);
    for (std::uint16_t width = 1; width <= 70; ++width) {
        auto source = Surface(width, 3);
        auto target = Surface(width + 3, 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) source->Row(y)[x] = random() % 3;  // many keys
            for (int x = 0; x < width + 3; ++x) target->Row(y)[x] = 100 + random() % 100;
        }
        auto expected = Pixels(*target);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                if (source->Row(y)[x] != 0) expected[y * (width + 3) + x + 2] = source->Row(y)[x];
            }
        }
        ASSERT_EQ(platform::BlitKeyed(*target, {2, 0, width + 2, 3}, *source, {0, 0, width, 3}, 0),
                  0);
        ASSERT_EQ(Pixels(*target), expected) << "width " << width;
    }
}

TEST(Blitter, ACopyWithinOneSurfaceReadsTheSourceBeforeWriting) {
    auto surface = Surface(5, 1);
    for (std::uint16_t x = 0; x < 5; ++x) surface->Row(0)[x] = x + 1;
    EXPECT_EQ(platform::BlitKeyed(*surface, {1, 0, 5, 1}, *surface, {0, 0, 4, 1}, 0), 0);
    EXPECT_EQ(Pixels(*surface), (std::vector<std::uint16_t>{1, 1, 2, 3, 4}));
}

}  // namespace
