// The picture's place on the window, and the mouse on the window taken to
// the picture's pixel under it: at the picture's edges and corners, on the
// black border round it and past its last pixel, with the picture fitted, at
// a whole multiple, and shown smaller than it is.
#include <gtest/gtest.h>

#include <array>

#include "platform/core/display/picture_fit.h"

namespace {

constexpr int kSize[2] = {800, 600};  // the picture's width and height

// What an output pixel must map to along one axis: the picture's first pixel
// up to the shown picture's first, its last from the shown picture's last
// on, and at a whole multiple the pixel whose square holds it; -1 where any
// will do, in order.
int Required(int at, int shownAt, int shownSize, int size) {
    if (at <= shownAt) return 0;
    if (at >= shownAt + shownSize - 1) return size - 1;
    return shownSize % size == 0 ? (at - shownAt) / (shownSize / size) : -1;
}

// The picture keeps its aspect, centred, and integer scale takes whole
// multiples; the mouse anywhere on the window lands on it.
TEST(PictureAt, TheWindowsEdgesCornersAndBorderLandOnThePicturesOwnEdges) {
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
        ASSERT_EQ(shown, fitted) << what;
        const int shownAt[2] = {shown.x, shown.y}, shownSize[2] = {shown.w, shown.h};
        // Along every pixel of lines across the window and down it, and a
        // pixel beyond: lines outside it, on its edges, on the picture's
        // first and last, and one past them.
        for (int along : {0, 1}) {
            const int other = 1 - along, end = shownAt[other] + shownSize[other];
            for (int line :
                 {-1, 0, shownAt[other], end - 1, end, output[other] - 1, output[other]}) {
                int previous = 0;
                for (int at = -1; at <= output[along]; ++at) {
                    int point[2];
                    point[along] = at;
                    point[other] = line;
                    platform::PicturePoint got =
                        platform::PictureAt(shown, kSize[0], kSize[1], point[0], point[1]);
                    const int mapped[2] = {got.x, got.y};
                    SCOPED_TRACE(testing::Message() << what << ": " << point[0] << "," << point[1]
                                                    << " -> " << got.x << "," << got.y);
                    for (int axis : {0, 1}) {
                        int required =
                            Required(point[axis], shownAt[axis], shownSize[axis], kSize[axis]);
                        ASSERT_TRUE(required < 0 ? mapped[axis] >= 0 && mapped[axis] < kSize[axis]
                                                 : mapped[axis] == required);
                    }
                    ASSERT_GE(mapped[along], previous) << "backwards";
                    // Shown larger, every picture pixel has its place.
                    ASSERT_TRUE(shownSize[along] < kSize[along] || mapped[along] - previous <= 1);
                    previous = mapped[along];
                }
            }
        }
    }
}

}  // namespace
