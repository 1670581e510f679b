// The Windows program's icon file: a directory that Windows can walk to
// every entry, each entry a PNG of the size the directory says, holding the
// very pixels drawn.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "icon.h"
#include "resources.h"
#include "support/files.h"

namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
    return value;
}

// The entry's pixels as 0xAARRGGBB, as ReadPicture gives them; transparent
// pixels are compared as transparent alone.
std::uint32_t Argb(const resgen::RgbaImage& image, int x, int y) {
    const std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(y) * image.width + x) * 4];
    if (p[3] == 0) return 0;
    return std::uint32_t{p[3]} << 24 | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
}

TEST(WindowsIcon, EveryEntryIsAPngOfItsSizeWithThePixelsDrawn) {
    const std::vector<resgen::RgbaImage> sizes = resgen::MakeIconSizes();
    ASSERT_GE(sizes.size(), 3u);
    EXPECT_EQ(sizes[0].rgba, resgen::MakeIcon128().rgba) << "the largest is the desktop's icon";
    EXPECT_EQ(sizes[1].rgba, resgen::MakeIcon64().rgba) << "and the next its half";
    EXPECT_EQ(sizes.back().width, 16) << "the window's corner and the taskbar need 16 pixels";

    const std::vector<std::uint8_t> ico = resgen::MakeWindowsIcon().bytes;
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(Le(ico, 0, 2), 0u);
    EXPECT_EQ(Le(ico, 2, 2), 1u) << "an icon, not a cursor";
    ASSERT_EQ(Le(ico, 4, 2), sizes.size());
    std::size_t expectedOffset = 6 + 16 * sizes.size();
    TempFolder folder;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const std::size_t entry = 6 + 16 * i;
        const resgen::RgbaImage& image = sizes[i];
        SCOPED_TRACE("entry " + std::to_string(i) + ", " + std::to_string(image.width) + " px");
        EXPECT_EQ(Le(ico, entry, 1), static_cast<std::uint32_t>(image.width));
        EXPECT_EQ(Le(ico, entry + 1, 1), static_cast<std::uint32_t>(image.height));
        EXPECT_EQ(Le(ico, entry + 4, 2), 1u);
        EXPECT_EQ(Le(ico, entry + 6, 2), 32u);
        const std::uint32_t size = Le(ico, entry + 8, 4);
        const std::uint32_t offset = Le(ico, entry + 12, 4);
        ASSERT_EQ(offset, expectedOffset) << "the entries follow one another";
        ASSERT_LE(offset + size, ico.size());
        expectedOffset += size;

        const std::string png = folder.Write(
            "entry" + std::to_string(i) + ".png",
            std::vector<std::uint8_t>(ico.begin() + offset, ico.begin() + offset + size));
        const Picture picture = ReadPicture(png);
        ASSERT_EQ(picture.width, image.width) << picture.error;
        ASSERT_EQ(picture.height, image.height);
        int differing = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const std::uint32_t read = picture.At(x, y);
                differing += (read >> 24 == 0 ? 0 : read) != Argb(image, x, y);
            }
        }
        EXPECT_EQ(differing, 0);
    }
    EXPECT_EQ(expectedOffset, ico.size()) << "nothing after the last entry";
}

}  // namespace
