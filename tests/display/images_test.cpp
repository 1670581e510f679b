// Images: TGA files read into screen pixels, and the sprites that draw them
// (their own copy of an image, transparent black, whole sprites only, the
// animation clock).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/exceptions.h"
#include "common/game_clock.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "display/sprite.h"
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

std::vector<std::uint16_t> ImagePixels(const ImageBuffer& image) {
    return {image.pixels.get(), image.pixels.get() + std::size_t{image.width} * image.height};
}

// Each screen format gives its channels' bits, the colours packed in them,
// and the TGA pixels converted to them.
TEST(TgaLoader, ConvertsEveryPixelToTheScreensFormatAndItsPackedColoursIgnoringBit15) {
    struct Format {
        bool rgb555;
        std::uint32_t bits[3];
        std::uint32_t white, pale, dimGreen;
        std::vector<std::uint16_t> expected;
    };
    // clang-format off
    const Format formats[] = {
        {false, {5, 6, 5}, 0xFFFF, 0xC7F8, 0x0020, {0xF800, 0x001F, 0x07C0, 0xFFDF, 0, 0xF800}},
        {true, {5, 5, 5}, 0x7FFF, 0x63F8, 0, {0x7C00, 0x001F, 0x03E0, 0x7FFF, 0, 0x7C00}},
    };
    // clang-format on
    for (const Format& f : formats) {
        platform::Options options;
        options.rgb555 = f.rgb555;
        HeadlessPlatform headless(options);
        ScopedDisplay display;
        EXPECT_EQ(std::tuple(redBits, greenBits, blueBits),
                  std::tuple(f.bits[0], f.bits[1], f.bits[2]));
        EXPECT_EQ(std::tuple(PackColor(0, 0, 0), PackColor(255, 255, 255), PackColor(192, 255, 192),
                             PackColor(0, 4, 0)),
                  std::tuple(0u, f.white, f.pale, f.dimGreen))
            << f.rgb555;
        TempFolder folder;
        auto image = TgaLoader().Load(
            folder.Write("x.tga", Tga(3, 2, {0x7C00, 0x001F, 0x03E0, 0x7FFF, 0x8000, 0xFC00}))
                .c_str());
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(std::tuple(image->width, image->height), std::tuple(3, 2));
        EXPECT_EQ(ImagePixels(*image), f.expected) << f.rgb555;
    }
}

TEST(TgaLoader, AFileShorterThanItsHeaderNoFileOrAnImpossibleSizeIsNoImage) {
    HeadlessPlatform headless;
    ScopedDisplay display;
    TempFolder folder;
    TgaLoader loader;
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

constexpr std::uint16_t kBackground = 0x0841;

class SpriteTest : public HeadlessTest {
protected:
    SpriteTest() { target.ColorFill(kBackground); }

    // A sprite of one-pixel-high frames cut side by side from the pixels.
    std::unique_ptr<Sprite> MakeSprite(const std::vector<std::uint16_t>& pixels,
                                       std::uint16_t frameWidth) {
        auto sprite = std::make_unique<Sprite>(&theDrawManager);
        auto width = static_cast<std::uint16_t>(pixels.size());
        sprite->SetImage(MakeImage(width, 1, pixels).get());
        for (std::uint16_t x = 0; x < width; x += frameWidth) sprite->AddFrame(x, 0, frameWidth, 1);
        sprite->SetAnimRange(0, static_cast<std::uint16_t>(sprite->frames.size() - 1));
        return sprite;
    }
    // SetImage's user_exception text, empty when it returns.
    static std::string SetImageFailure(Sprite& sprite, const ImageBuffer* image) {
        try {
            sprite.SetImage(image);
        } catch (user_exception* error) {
            std::unique_ptr<user_exception> owned(error);
            return owned->GetText();
        }
        return "";
    }

    ScopedDisplay display;
    platform::Surface& target = *theDrawManager.backBuffer;
};

TEST_F(SpriteTest, SetImageCopiesEveryRowAndReportsWhatIsMissing) {
    auto image = MakeImage(3, 2, {1, 2, 3, 4, 5, 6});
    Sprite sprite(&theDrawManager);
    EXPECT_TRUE(sprite.SetImage(image.get()));
    image.reset();  // the sprite keeps its own copy
    EXPECT_EQ(PixelsOf(*sprite.imageSurface), (std::vector<std::uint16_t>{1, 2, 3, 4, 5, 6}));

    headless.backend().failures().Add({"ddraw.lock", platform::DDERR_SURFACEBUSY, 1});
    EXPECT_EQ(SetImageFailure(sprite, MakeImage(1, 1, {1}).get()), "Surface busy");
}

TEST_F(SpriteTest, BlackIsTransparentAndOnlyWholeSpritesAreDrawn) {
    auto sprite = MakeSprite({0, 0xFFFF, 0xFFFF}, 3);
    const std::tuple<std::uint16_t, std::uint16_t, int, int, bool> draws[] = {
        {10, 10, 10, 10, false},                               // black: the background stays
        {10, 10, 11, 10, true},                                //
        {797, 100, 799, 100, true},                            // right edge at 800
        {798, 100, 799, 100, false},                           // one past: nothing at all
        {0, 599, 1, 599, true},      {65535, 5, 1, 5, false},  // wrapped past the left edge
    };
    for (auto [x, y, px, py, drawn] : draws) {
        target.ColorFill(kBackground);
        std::tie(sprite->x, sprite->y) = std::tuple(x, y);
        sprite->Draw(target);
        EXPECT_EQ(PixelAt(target, px, py) != kBackground, drawn) << x << "," << y;
    }
}

TEST_F(SpriteTest, TheClockStepsWhenTheTimeBetweenDrawsExceedsTheDelayAndWrapsInItsRange) {
    auto sprite = MakeSprite({1, 2, 3, 4}, 1);
    sprite->frameDelay = 5;
    sprite->animate = true;
    sprite->SetAnimRange(1, 3);
    sprite->x = 0xFFF0;  // off screen: never drawn, still animated
    std::vector<int> frames;
    for (std::uint32_t wait : {0, 5, 1, 6, 6, 6, 6}) {
        headless.backend().clock().Advance(wait);
        sprite->Draw(target);  // the first draw adds no time
        frames.push_back(sprite->curFrame);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 1, 2, 3, 1, 2, 3}));
    StopGameClock();  // a pause: the time it lasts is not the animation's
    headless.backend().clock().Advance(1000);
    StartGameClock();
    sprite->Draw(target);
    EXPECT_EQ(sprite->curFrame, 3);
    ResetGameClock();
    sprite->SetAnimRange(7, 9);  // past the list: nothing drawn, nothing read
    sprite->x = 0;
    sprite->Draw(target);
    EXPECT_EQ(PixelAt(target, 0, 0), kBackground);
}

}  // namespace
