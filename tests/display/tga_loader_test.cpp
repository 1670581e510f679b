#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "support/display_setup.h"
#include "support/headless_platform.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Header(std::uint16_t width, std::uint16_t height) {
    std::vector<std::uint8_t> bytes(18, 0);
    bytes[2] = 2;
    bytes[12] = width & 0xFF;
    bytes[13] = width >> 8;
    bytes[14] = height & 0xFF;
    bytes[15] = height >> 8;
    bytes[16] = 16;
    return bytes;
}

void Append(std::vector<std::uint8_t>& bytes, std::initializer_list<std::uint16_t> pixels) {
    for (std::uint16_t pixel : pixels) {
        bytes.push_back(pixel & 0xFF);
        bytes.push_back(pixel >> 8);
    }
}

std::size_t OpenFiles() {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

class TgaLoaderTest : public ::testing::TestWithParam<bool> {
protected:
    TgaLoaderTest() : headless(Options()), display() {}
    static platform::Options Options() {
        platform::Options options;
        options.rgb555 = GetParam();
        return options;
    }
    std::string Write(const std::vector<std::uint8_t>& bytes) {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        path = fs::temp_directory_path() /
               ("farhaven_tga_" + std::to_string(::getpid()) + "_" + name + ".tga");
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
        return path.string();
    }
    ~TgaLoaderTest() override { fs::remove(path); }

    HeadlessPlatform headless;
    ScopedDisplay display;
    TgaLoader loader;
    fs::path path;
};

TEST_P(TgaLoaderTest, ConvertsEveryPixelToTheScreenFormatIgnoringBit15) {
    auto bytes = Header(6, 1);
    Append(bytes, {0x7C00, 0x001F, 0x03E0, 0x7FFF, 0x8000, 0xFC00});
    auto image = loader.Load(Write(bytes).c_str());
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->width, 6);
    ASSERT_EQ(image->height, 1);
    std::vector<std::uint16_t> pixels(image->pixels.get(), image->pixels.get() + 6);
    if (GetParam()) {
        EXPECT_EQ(pixels, (std::vector<std::uint16_t>{0x7C00, 0x001F, 0x03E0, 0x7FFF, 0, 0x7C00}));
    } else {
        EXPECT_EQ(pixels, (std::vector<std::uint16_t>{0xF800, 0x001F, 0x07C0, 0xFFDF, 0, 0xF800}));
    }
}

TEST_P(TgaLoaderTest, ZeroSizesGiveAnImageWithoutPixels) {
    auto bytes = Header(0, 5);
    Append(bytes, {0x7FFF});
    auto image = loader.Load(Write(bytes).c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->width, 0);
    EXPECT_EQ(image->height, 5);
    EXPECT_EQ(image->pixels, nullptr);
}

TEST_P(TgaLoaderTest, PixelsMissingFromAShortFileAreTransparentBlack) {
    auto bytes = Header(4, 2);
    Append(bytes, {0x7C00, 0x7C00, 0x001F});
    bytes.push_back(0xFF);  // half a pixel
    auto image = loader.Load(Write(bytes).c_str());
    ASSERT_NE(image, nullptr);
    std::vector<std::uint16_t> pixels(image->pixels.get(), image->pixels.get() + 8);
    std::uint16_t red = static_cast<std::uint16_t>(PackColor(248, 0, 0));
    EXPECT_EQ(pixels, (std::vector<std::uint16_t>{red, red, 0x001F, 0, 0, 0, 0, 0}));

    auto truncatedHeader = loader.Load(Write({0, 0, 2, 0, 0, 0, 0, 0, 0, 0}).c_str());
    ASSERT_NE(truncatedHeader, nullptr);
    EXPECT_EQ(truncatedHeader->width, 0);
}

TEST_P(TgaLoaderTest, MissingFilesAndImpossibleSizesGiveNothingAndLeaveNoFileOpen) {
    std::size_t before = OpenFiles();
    EXPECT_EQ(loader.Load("resources\\no_such_image.tga"), nullptr);
    auto huge = Header(65535, 65535);
    Append(huge, {0x7FFF});
    EXPECT_EQ(loader.Load(Write(huge).c_str()), nullptr);
    EXPECT_EQ(OpenFiles(), before);
}

INSTANTIATE_TEST_SUITE_P(ScreenFormats, TgaLoaderTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Rgb555" : "Rgb565"; });

}  // namespace
