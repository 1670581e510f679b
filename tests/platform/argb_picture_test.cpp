// The window's kept picture: after every update it is the whole screen
// converted, and it names the rows that changed since the last.
#include "platform/core/argb_picture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/core/argb_convert.h"
#include "platform/core/screen_format.h"

namespace {

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
