#include "display/sprite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "common/exceptions.h"
#include "display/draw_manager.h"
#include "support/display_setup.h"
#include "support/headless_platform.h"

namespace {

// The text of the user_exception that SetImage throws, empty when it returns.
std::string SetImageFailure(Sprite& sprite, const ImageBuffer* image) {
    try {
        sprite.SetImage(image);
    } catch (user_exception* error) {
        std::unique_ptr<user_exception> owned(error);
        return owned->GetText();
    }
    return "";
}

class SpriteTest : public HeadlessTest {
protected:
    SpriteTest() { target.ColorFill(kBackground); }

    // A sprite of one frame covering the whole image.
    std::unique_ptr<Sprite> MakeSprite(const ImageBuffer& image) {
        auto sprite = std::make_unique<Sprite>(&theDrawManager);
        sprite->SetImage(&image);
        sprite->AddFrame(0, 0, image.width, image.height);
        sprite->SetAnimRange(0, 0);
        return sprite;
    }
    bool Drawn(int x, int y) { return PixelAt(target, x, y) != kBackground; }

    static constexpr std::uint16_t kBackground = 0x0841;
    ScopedDisplay display;
    platform::Surface& target = *theDrawManager.backBuffer;
};

TEST_F(SpriteTest, SetImageCopiesEveryRowIntoTheSpritesOwnSurface) {
    auto image = MakeImage(3, 2, {1, 2, 3, 4, 5, 6});
    Sprite sprite(&theDrawManager);
    EXPECT_TRUE(sprite.SetImage(image.get()));
    image.reset();  // the sprite keeps its own copy
    EXPECT_EQ(PixelsOf(*sprite.imageSurface), (std::vector<std::uint16_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(SpriteTest, SetImageReportsAMissingBufferFirstThenAMissingManager) {
    auto image = MakeFilledImage(2, 2, 1);
    Sprite orphan(nullptr);
    EXPECT_EQ(SetImageFailure(orphan, nullptr), "Invalid buffer!");
    EXPECT_EQ(SetImageFailure(orphan, image.get()), "Damn manager is -0-");
}

TEST_F(SpriteTest, SetImageThrowsTheCodeOfAFailedSurfaceOrLock) {
    auto image = MakeFilledImage(2, 2, 1);
    headless.backend().failures().Add({"ddraw.surface", platform::DDERR_OUTOFVIDEOMEMORY, 7});
    for (int made = 0; made < 6; ++made) {
        Sprite sprite(&theDrawManager);
        EXPECT_EQ(SetImageFailure(sprite, image.get()), "");
    }
    Sprite seventh(&theDrawManager);
    EXPECT_EQ(SetImageFailure(seventh, image.get()), "Out of Video Memory");
    headless.backend().failures().Clear();
    headless.backend().failures().Add({"ddraw.lock", platform::DDERR_SURFACEBUSY, 1});
    EXPECT_EQ(SetImageFailure(seventh, image.get()), "Surface busy");
}

TEST_F(SpriteTest, BlackPixelsAreTransparent) {
    auto sprite = MakeSprite(*MakeImage(2, 1, {0, 0xFFFF}));
    sprite->MoveBy(10, 10);
    sprite->Draw(target);
    EXPECT_EQ(PixelAt(target, 10, 10), kBackground);
    EXPECT_EQ(PixelAt(target, 11, 10), 0xFFFF);
}

TEST_F(SpriteTest, ASpriteNotWhollyOnTheScreenIsNotDrawnAtAll) {
    auto sprite = MakeSprite(*MakeFilledImage(26, 22, 0xFFFF));
    sprite->MoveBy(790, 100);  // right edge 816 on an 800-pixel screen
    sprite->Draw(target);
    EXPECT_FALSE(Drawn(799, 100));
    sprite->x = 774;
    sprite->Draw(target);
    EXPECT_TRUE(Drawn(774, 100));
    EXPECT_TRUE(Drawn(799, 121));

    sprite->x = 0;
    sprite->y = 579;  // bottom edge 601
    sprite->Draw(target);
    EXPECT_FALSE(Drawn(0, 599));
    sprite->y = 578;
    sprite->Draw(target);
    EXPECT_TRUE(Drawn(0, 599));
}

TEST_F(SpriteTest, MovingPastTheLeftEdgeWrapsAndHidesTheSprite) {
    auto sprite = MakeSprite(*MakeFilledImage(4, 4, 0xFFFF));
    sprite->MoveBy(10, 0);
    sprite->MoveBy(0xFFEC, 0);
    EXPECT_EQ(sprite->x, 65526);
    sprite->Draw(target);
    EXPECT_EQ(PixelsOf(target), std::vector<std::uint16_t>(800 * 600, kBackground));
    sprite->x = 20;
    sprite->MoveBy(0xFFEC, 0);
    EXPECT_EQ(sprite->x, 0);
    sprite->Draw(target);
    EXPECT_TRUE(Drawn(0, 0));
}

TEST_F(SpriteTest, BrickFramesOfDifferentWidthsAreStretchedToTheLastOne) {
    // Each image column holds its own number, so the drawn columns tell
    // which source column they came from.
    std::vector<std::uint16_t> columns(190);
    for (std::uint16_t column = 0; column < 190; ++column) columns[column] = column + 1;
    auto sprite = std::make_unique<Sprite>(&theDrawManager);
    sprite->SetImage(MakeImage(190, 1, columns).get());
    sprite->AddFrame(0, 0, 60, 1);
    sprite->AddFrame(60, 0, 62, 1);
    sprite->AddFrame(126, 0, 64, 1);
    EXPECT_EQ(sprite->width, 64);
    for (std::uint16_t frame = 0; frame < 3; ++frame) {
        const FrameRect& source = sprite->frames[frame];
        sprite->curFrame = frame;
        sprite->Draw(target);
        std::vector<std::uint16_t> drawn;
        for (int x = 0; x < 64; ++x) drawn.push_back(PixelAt(target, x, 0));
        EXPECT_EQ(drawn.front(), source.left + 1);
        EXPECT_EQ(drawn.back(), source.right);
        EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
        EXPECT_EQ(PixelAt(target, 64, 0), kBackground);
    }
}

class SpriteAnimation : public SpriteTest {
protected:
    // Four 1 × 1 frames, each its own colour 1 to 4.
    SpriteAnimation() : sprite(&theDrawManager) {
        sprite.SetImage(MakeImage(4, 1, {1, 2, 3, 4}).get());
        for (std::uint16_t frame = 0; frame < 4; ++frame) sprite.AddFrame(frame, 0, 1, 1);
        sprite.SetAnimRange(0, 3);
        sprite.frameDelay = 1;
        sprite.animate = true;
    }
    // Draws once per display refresh, as the game does; the frame shown.
    std::uint16_t DrawNextFrame() {
        headless.backend().clock().AdvanceToNextRefresh();
        target.ColorFill(kBackground);
        sprite.Draw(target);
        return PixelAt(target, 0, 0);
    }
    Sprite sprite;
};

TEST_F(SpriteAnimation, AnExplosionShowsEachFrameOnceAtSixtyFramesASecondAndHides) {
    sprite.stopFrame = 3;
    EXPECT_EQ(DrawNextFrame(), 1);
    EXPECT_EQ(DrawNextFrame(), 2);
    EXPECT_EQ(DrawNextFrame(), 3);
    EXPECT_EQ(DrawNextFrame(), 4);
    EXPECT_FALSE(sprite.visible);
    std::uint32_t elapsed = sprite.animElapsed;
    EXPECT_EQ(DrawNextFrame(), kBackground);  // hidden: nothing changes
    EXPECT_EQ(sprite.curFrame, 3);
    EXPECT_EQ(sprite.animElapsed, elapsed);
}

TEST_F(SpriteAnimation, TheClockCountsTimeBetweenDrawsAndStepsOnlyWhenItExceedsTheDelay) {
    sprite.frameDelay = 5;
    sprite.Draw(target);  // the first draw adds nothing
    headless.backend().clock().Advance(5);
    sprite.Draw(target);
    EXPECT_EQ(sprite.curFrame, 0);  // 5 is not more than 5
    headless.backend().clock().Advance(1);
    sprite.Draw(target);
    EXPECT_EQ(sprite.curFrame, 1);
    EXPECT_EQ(sprite.animElapsed, 0u);
}

TEST_F(SpriteAnimation, FramesWrapToTheFirstOfTheRangeAndStepOffScreenToo) {
    sprite.SetAnimRange(1, 3);
    sprite.MoveBy(0xFFF0, 0);  // off screen: never drawn, still animated
    for (std::uint16_t expected : {1, 2, 3, 1, 2}) {
        DrawNextFrame();
        EXPECT_EQ(sprite.curFrame, expected);
    }
    sprite.animate = false;
    DrawNextFrame();
    EXPECT_EQ(sprite.curFrame, 2);
}

TEST_F(SpriteAnimation, AFrameIndexPastTheListDrawsNothing) {
    sprite.SetAnimRange(7, 9);
    sprite.animate = false;
    EXPECT_EQ(DrawNextFrame(), kBackground);
    Sprite empty(&theDrawManager);
    empty.Draw(target);
    EXPECT_EQ(PixelAt(target, 0, 0), kBackground);
}

}  // namespace
