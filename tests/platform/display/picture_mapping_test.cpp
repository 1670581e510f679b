// The mouse on the window, taken to the picture's pixel under it: at the
// picture's edges and corners, on the black border round it and past its
// last pixel, with the picture fitted, at a whole multiple, and shown
// smaller than it is.
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

TEST(PictureAt, TheWindowsEdgesCornersAndBorderLandOnThePicturesOwnEdges) {
    const std::tuple<const char*, std::array<int, 2>, bool> windows[] = {
        {"fitted, bordered left and right", {1920, 1080}, false},
        {"fitted, bordered above and below", {1000, 1000}, false},
        {"fitted, a little larger", {1001, 751}, false},
        {"integer, bordered all round", {1920, 1300}, true},
        {"smaller than the picture", {700, 900}, false},
        {"smaller, integer asked", {333, 250}, true},
    };
    for (const auto& [what, output, integerScale] : windows) {
        const platform::PictureRect shown =
            platform::FitPicture(output[0], output[1], kSize[0], kSize[1], integerScale);
        const int shownAt[2] = {shown.x, shown.y}, shownSize[2] = {shown.w, shown.h};
        ASSERT_GT(shown.w, 0) << what;
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
