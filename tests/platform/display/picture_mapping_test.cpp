// The mouse on the window, taken to the picture's pixel under it: at the
// picture's edges and corners, on the black border round it and past its
// last pixel, with the picture fitted, at a whole multiple, and shown
// smaller than it is.
#include <gtest/gtest.h>

#include "platform/core/picture_fit.h"

namespace {

using platform::PictureRect;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct Window {
    const char* what;
    int width, height;
    bool integerScale;
};

const Window kWindows[] = {
    {"fitted, bordered left and right", 1920, 1080, false},
    {"fitted, bordered above and below", 1000, 1000, false},
    {"fitted, a little larger", 1001, 751, false},
    {"integer, bordered all round", 1920, 1300, true},
    {"smaller than the picture", 700, 900, false},
    {"smaller, integer asked", 333, 250, true},
};

// One axis of the mapping: the picture coordinate of each output pixel along
// a line across the window, from one before its first pixel to one past its
// last, the other coordinate held at `across`.
struct Axis {
    int output, shownAt, shownSize, picture;
    bool down;  // y, else x
};

void ExpectAlong(const PictureRect& shown, const Axis& axis, int across, const char* what) {
    const int last = axis.shownAt + axis.shownSize - 1;
    const int multiple = axis.shownSize % axis.picture == 0 ? axis.shownSize / axis.picture : 0;
    int previous = 0;
    for (int at = -1; at <= axis.output; ++at) {
        platform::PicturePoint point = platform::PictureAt(
            shown, kWidth, kHeight, axis.down ? across : at, axis.down ? at : across);
        int got = axis.down ? point.y : point.x;
        SCOPED_TRACE(testing::Message() << what << (axis.down ? ": y " : ": x ") << at << " -> "
                                        << got << " (across " << across << ")");
        ASSERT_TRUE(got >= previous && got < axis.picture) << "outside, or backwards";
        // Whole multiples give every picture pixel the same square of output pixels.
        int expected = at <= axis.shownAt ? 0
                       : at >= last       ? axis.picture - 1
                       : multiple > 0     ? (at - axis.shownAt) / multiple
                                          : got;
        ASSERT_EQ(got, expected);
        ASSERT_TRUE(axis.shownSize < axis.picture || got - previous <= 1) << "a pixel skipped";
        previous = got;
    }
}

TEST(PictureAt, TheWindowsEdgesCornersAndBorderLandOnThePicturesOwnEdges) {
    for (const Window& window : kWindows) {
        const PictureRect shown =
            platform::FitPicture(window.width, window.height, kWidth, kHeight, window.integerScale);
        ASSERT_GT(shown.w, 0) << window.what;
        const Axis across{window.width, shown.x, shown.w, kWidth, false};
        const Axis down{window.height, shown.y, shown.h, kHeight, true};
        // Lines outside the window, on its edges, on the picture's first and
        // last, and one past them: every one of them an edge of the picture.
        for (const Axis& axis : {across, down}) {
            const Axis& other = axis.down ? across : down;
            const int end = other.shownAt + other.shownSize;
            for (int line : {-1, 0, other.shownAt, end - 1, end, other.output - 1, other.output}) {
                ExpectAlong(shown, axis, line, window.what);
                platform::PicturePoint point = platform::PictureAt(
                    shown, kWidth, kHeight, axis.down ? line : 0, axis.down ? 0 : line);
                int got = axis.down ? point.x : point.y;
                EXPECT_EQ(got, line <= other.shownAt ? 0 : other.picture - 1)
                    << window.what << ": the line at " << line;
            }
        }
    }
}

}  // namespace
