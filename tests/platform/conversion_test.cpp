// The screen's 16-bit pixels as the window's 32-bit ones: every pixel of
// both layouts converted, and the kept picture that converts only the spans
// that changed since the last flip.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/core/argb_convert.h"
#include "platform/core/argb_picture.h"
#include "platform/core/memory_surface.h"
#include "platform/core/screen_format.h"

namespace {

using platform::MemorySurface;

// Every 16-bit pixel, once in each layout: each channel widened by
// repeating its top bits (black stays 0, full intensity becomes 255), rows
// `pitch` apart and nothing written between them.
TEST(ArgbConvert, EveryPixelOfBothLayoutsHasEachChannelWidenedByRepeatingItsTopBits) {
    constexpr std::uint32_t kUntouched = 0xDEADBEEF;
    for (const platform::PixelFormat& format : {platform::kFormat565, platform::kFormat555}) {
        auto surface = MemorySurface::Create(256, 256, format);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x)
                surface->Row(y)[x] = static_cast<std::uint16_t>(y * 256 + x);
        }
        std::vector<std::uint32_t> argb(257 * 256, kUntouched);  // a pixel to spare after each row
        platform::ConvertToArgb(*surface, argb.data(), 257 * 4);
        for (std::uint32_t pixel = 0; pixel < 65536; ++pixel) {
            std::uint32_t expected = 0xFF;
            for (std::uint32_t mask : {format.redMask, format.greenMask, format.blueMask}) {
                platform::Channel channel = platform::ChannelOf(mask);
                std::uint32_t value = (pixel & mask) >> channel.shift;
                expected =
                    expected << 8 | value << (8 - channel.bits) | value >> (2 * channel.bits - 8);
            }
            ASSERT_EQ(argb[pixel / 256 * 257 + pixel % 256], expected) << std::hex << pixel;
        }
        for (int y = 0; y < 256; ++y) ASSERT_EQ(argb[y * 257 + 256], kUntouched) << y;
    }
}

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
