// Where the 800 x 600 picture goes on screens and windows of every shape.
#include "platform/core/picture_fit.h"

#include <gtest/gtest.h>

namespace {

using platform::FitPicture;
using platform::PictureRect;

struct Screen {
    int w, h;
    PictureRect fit;
    PictureRect integer;
};

TEST(PictureFit, ThePictureKeepsItsAspectCentredAndIntegerScaleTakesWholeMultiples) {
    const Screen screens[] = {
        // Full HD: 1.8 times, pillarboxed; once only at whole multiples.
        {1920, 1080, {240, 0, 1440, 1080}, {560, 240, 800, 600}},
        {1024, 768, {0, 0, 1024, 768}, {112, 84, 800, 600}},
        {800, 600, {0, 0, 800, 600}, {0, 0, 800, 600}},
        // Smaller than the picture: no whole multiple fits, so it is scaled
        // down to fit, as without integer scaling.
        {640, 480, {0, 0, 640, 480}, {0, 0, 640, 480}},
        {2560, 1440, {320, 0, 1920, 1440}, {480, 120, 1600, 1200}},
        {3840, 2160, {480, 0, 2880, 2160}, {720, 180, 2400, 1800}},
        // A portrait screen: letterboxed above and below.
        {1080, 1920, {0, 555, 1080, 810}, {140, 660, 800, 600}},
        // A window narrower than the picture but taller: scaled by width.
        {700, 900, {0, 187, 700, 525}, {0, 187, 700, 525}},
    };
    for (const Screen& screen : screens) {
        SCOPED_TRACE(std::to_string(screen.w) + "x" + std::to_string(screen.h));
        EXPECT_EQ(FitPicture(screen.w, screen.h, 800, 600, false), screen.fit);
        EXPECT_EQ(FitPicture(screen.w, screen.h, 800, 600, true), screen.integer);
    }
    EXPECT_EQ(FitPicture(0, 600, 800, 600, true), PictureRect{});  // a minimised window
    EXPECT_EQ(FitPicture(1920, 1080, 0, 600, false), PictureRect{});
    // A sliver of a window still shows a picture of one pixel or more.
    EXPECT_EQ(FitPicture(1000, 1, 800, 600, false).h, 1);
}

TEST(PictureFit, OnlyWholeMultiplesAreSharpAndPointsMapBackToThePicture) {
    EXPECT_TRUE(platform::WholeMultiple({560, 240, 800, 600}, 800, 600));
    EXPECT_TRUE(platform::WholeMultiple({480, 120, 1600, 1200}, 800, 600));
    EXPECT_FALSE(platform::WholeMultiple({240, 0, 1440, 1080}, 800, 600));
    EXPECT_FALSE(platform::WholeMultiple({0, 0, 1600, 600}, 800, 600));  // stretched
    EXPECT_FALSE(platform::WholeMultiple({}, 800, 600));

    const PictureRect shown{240, 0, 1440, 1080};  // 1.8 times on full HD
    auto at = [&](int x, int y) {
        platform::PicturePoint point = platform::PictureAt(shown, 800, 600, x, y);
        return std::pair{point.x, point.y};
    };
    EXPECT_EQ(at(240, 0), std::pair(0, 0));
    EXPECT_EQ(at(960, 540), std::pair(400, 300));
    EXPECT_EQ(at(1679, 1079), std::pair(799, 599));
    EXPECT_EQ(at(10, 500), std::pair(0, 277));      // on the black border, left
    EXPECT_EQ(at(1900, 500), std::pair(799, 277));  // and right
}

}  // namespace
