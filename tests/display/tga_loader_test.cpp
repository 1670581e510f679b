// Reading TGA pictures into screen pixels: whole, short, empty and hostile.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "support/display_setup.h"
#include "support/files.h"
#include "support/headless_platform.h"

namespace {

// An uncompressed 16-bit TGA file of the size, with the pixels given.
std::vector<std::uint8_t> Tga(std::uint16_t width, std::uint16_t height,
                              std::initializer_list<std::uint16_t> pixels) {
    std::vector<std::uint8_t> bytes(18, 0);
    bytes[2] = 2;  // uncompressed true colour
    auto put16 = [&bytes](std::size_t at, std::uint16_t value) {
        bytes[at] = static_cast<std::uint8_t>(value);
        bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
    };
    put16(12, width);
    put16(14, height);
    bytes[16] = 16;
    bytes[17] = 0x20;  // first stored row on top
    for (std::uint16_t pixel : pixels) {
        bytes.resize(bytes.size() + 2);
        put16(bytes.size() - 2, pixel);
    }
    return bytes;
}

std::vector<std::uint16_t> PixelsOf(const ImageBuffer& image) {
    return {image.pixels.get(), image.pixels.get() + std::size_t{image.width} * image.height};
}

TEST(TgaLoader, ConvertsEveryPixelToTheScreensFormatIgnoringBit15) {
    const std::pair<bool, std::vector<std::uint16_t>> formats[] = {
        {false, {0xF800, 0x001F, 0x07C0, 0xFFDF, 0, 0xF800}},
        {true, {0x7C00, 0x001F, 0x03E0, 0x7FFF, 0, 0x7C00}}};
    for (const auto& [rgb555, expected] : formats) {
        platform::Options options;
        options.rgb555 = rgb555;
        HeadlessPlatform headless(options);
        ScopedDisplay display;
        TempFolder folder;
        auto image = TgaLoader().Load(
            folder.Write("x.tga", Tga(3, 2, {0x7C00, 0x001F, 0x03E0, 0x7FFF, 0x8000, 0xFC00}))
                .c_str());
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(std::tuple(image->width, image->height), std::tuple(3, 2));
        EXPECT_EQ(PixelsOf(*image), expected) << rgb555;
    }
}

TEST(TgaLoader, AShortFileIsBlackWhereItEndsAndNoFileOrAnImpossibleSizeIsNoImage) {
    HeadlessPlatform headless;
    ScopedDisplay display;
    TempFolder folder;
    TgaLoader loader;
    std::vector<std::uint8_t> cut = Tga(4, 2, {0x7C00, 0x7C00, 0x001F});
    cut.push_back(0xFF);  // half a pixel
    auto image = loader.Load(folder.Write("cut.tga", cut).c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(PixelsOf(*image),
              (std::vector<std::uint16_t>{0xF800, 0xF800, 0x001F, 0, 0, 0, 0, 0}));
    EXPECT_EQ(loader.Load(folder.Write("header.tga", std::vector<std::uint8_t>(17, 0)).c_str()),
              nullptr);  // shorter than its header: no size to believe
    auto empty = loader.Load(folder.Write("empty.tga", Tga(0, 5, {0x7FFF})).c_str());
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(std::tuple(empty->width, empty->height, empty->pixels.get()),
              std::tuple(0, 5, nullptr));

    auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    auto before = openFiles();
    EXPECT_EQ(loader.Load("resources\\no_such_image.tga"), nullptr);
    EXPECT_EQ(loader.Load(folder.Write("huge.tga", Tga(65535, 65535, {0x7FFF})).c_str()), nullptr);
    EXPECT_EQ(openFiles(), before);
}

}  // namespace
