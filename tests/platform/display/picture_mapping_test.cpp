// The picture's place on the window: fitted, at a whole multiple, and shown
// smaller than it is. (The mouse, taken to the picture's pixel under it,
// only reaches the debug log.)
#include <gtest/gtest.h>

#include <array>

#include "platform/core/display/picture_fit.h"

namespace {

constexpr int kSize[2] = {800, 600};  // the picture's width and height

// The picture keeps its aspect, centred, and integer scale takes whole
// multiples.
TEST(FitPicture, KeepsThePicturesAspectCentredAndIntegerScaleTakesWholeMultiples) {
    using platform::PictureRect;
    const std::tuple<const char*, std::array<int, 2>, bool, PictureRect> windows[] = {
        {"fitted, bordered left and right", {1920, 1080}, false, {240, 0, 1440, 1080}},
        {"integer, bordered all round", {1920, 1080}, true, {560, 240, 800, 600}},
        {"fitted, bordered above and below", {1000, 1000}, false, {0, 125, 1000, 750}},
        {"fitted, a little larger", {1001, 751}, false, {0, 0, 1001, 751}},
        {"fitted, rounded to the nearest pixel", {1000, 701}, false, {32, 0, 935, 701}},
        {"integer, a little larger", {1000, 701}, true, {100, 50, 800, 600}},
        {"integer, twice", {1920, 1300}, true, {160, 50, 1600, 1200}},
        {"smaller than the picture", {700, 900}, false, {0, 187, 700, 525}},
        {"smaller, integer asked", {700, 900}, true, {0, 187, 700, 525}},
        {"smaller in both, integer asked", {333, 250}, true, {0, 0, 333, 250}},
    };
    for (bool integerScale : {false, true})  // a minimised window shows nothing
        EXPECT_EQ(platform::FitPicture(0, 600, 800, 600, integerScale), PictureRect{});
    for (const auto& [what, output, integerScale, fitted] : windows) {
        const PictureRect shown =
            platform::FitPicture(output[0], output[1], kSize[0], kSize[1], integerScale);
        EXPECT_EQ(shown, fitted) << what;
    }
}

}  // namespace
