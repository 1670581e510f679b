// The pictures as the game uses them: every rectangle it cuts must hold a
// figure that fits, sitting on the black key, in colours a player can see.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "decoded_files.h"

namespace resources_test {
namespace {

struct Frame {
    std::string file;
    std::string what;
    Area area;
};

// The rectangles the game cuts from each picture, as the game knows them.
const std::vector<Frame>& GameFrames() {
    static const std::vector<Frame> frames{
        {"invader1.tga", "mothership 0", {3, 313, 124, 82}},
        {"invader1.tga", "mothership 1", {142, 313, 124, 82}},
        {"invader1.tga", "brick 0", {1, 30, 60, 30}},
        {"invader1.tga", "brick 1", {67, 30, 62, 30}},
        {"invader1.tga", "brick 2", {133, 30, 64, 30}},
        {"invader1.tga", "brick 3", {199, 30, 64, 30}},
        {"invader1.tga", "brick 4", {264, 30, 64, 30}},
        {"invader1.tga", "roamie 0", {540, 376, 36, 24}},
        {"invader1.tga", "roamie 1", {580, 376, 36, 24}},
        {"bship.tga", "ship", {1, 1, 80, 70}},
        {"bullets.tga", "player shot 0", {6, 38, 26, 22}},
        {"bullets.tga", "player shot 1", {40, 36, 26, 22}},
        {"bullets.tga", "enemy shot 0", {64, 36, 26, 22}},
        {"bullets.tga", "enemy shot 1", {100, 36, 26, 22}},
        {"shield2.tga", "shield", {56, 1, 127, 126}},
        {"boom.tga", "explosion 0", {1, 1, 34, 34}},
        {"boom.tga", "explosion 1", {34, 1, 34, 34}},
        {"boom.tga", "explosion 2", {68, 1, 34, 34}},
        {"boom.tga", "explosion 3", {104, 1, 34, 34}},
    };
    return frames;
}

const Frame& FrameNamed(const std::string& what) {
    const auto& frames = GameFrames();
    return *std::find_if(frames.begin(), frames.end(),
                         [&](const Frame& f) { return f.what == what; });
}

const Picture& Sheet(const std::string& file) {
    static std::map<std::string, Picture> decoded;
    auto found = decoded.find(file);
    if (found == decoded.end()) {
        found = decoded.emplace(file, PictureFile(file)).first;
    }
    return found->second;
}

bool Overlap(const Area& a, const Area& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

TEST(Pictures, AreUncompressedSixteenBitTopDownTga) {
    for (const std::string file :
         {"invader1.tga", "stars2.tga", "bship.tga", "bullets.tga", "shield2.tga", "boom.tga"}) {
        const Picture& picture = Sheet(file);
        EXPECT_EQ(picture.imageType, 2) << file;
        EXPECT_EQ(picture.depth, 16) << file;
        EXPECT_EQ(picture.descriptor & 0x30, 0x20) << file << ": the origin must be the top left";
    }
}

TEST(Pictures, HoldEveryRectangleTheGameCuts) {
    for (const Frame& frame : GameFrames()) {
        const Picture& picture = Sheet(frame.file);
        EXPECT_GE(frame.area.x, 0) << frame.what;
        EXPECT_GE(frame.area.y, 0) << frame.what;
        EXPECT_LE(frame.area.x + frame.area.width, picture.width) << frame.what;
        EXPECT_LE(frame.area.y + frame.area.height, picture.height) << frame.what;
    }
}

TEST(Pictures, StarFieldIsFullScreenSized) {
    // The game shows (10, 10)-(799, 599) of it.
    EXPECT_GE(Sheet("stars2.tga").width, 799);
    EXPECT_GE(Sheet("stars2.tga").height, 599);
}

TEST(Pictures, EveryFrameHoldsAFigureOnTheKey) {
    for (const Frame& frame : GameFrames()) {
        const Picture& picture = Sheet(frame.file);
        EXPECT_GE(SolidShare(picture, frame.area), 0.25) << frame.what << " is mostly empty";
        EXPECT_GE(KeyedRingShare(picture, frame.area), 0.98)
            << frame.what << " runs into its frame's edge";
    }
}

TEST(Pictures, SharedColumnsOfOverlappingFramesAreKeyed) {
    int overlaps = 0;
    for (const Frame& a : GameFrames()) {
        for (const Frame& b : GameFrames()) {
            if (&a == &b || a.file != b.file || !Overlap(a.area, b.area)) {
                continue;
            }
            ++overlaps;
            const Picture& picture = Sheet(a.file);
            const int left = std::max(a.area.x, b.area.x);
            const int right = std::min(a.area.x + a.area.width, b.area.x + b.area.width);
            const int top = std::max(a.area.y, b.area.y);
            const int bottom = std::min(a.area.y + a.area.height, b.area.y + b.area.height);
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) {
                    EXPECT_TRUE(picture.Keyed(x, y))
                        << a.what << " and " << b.what << " share (" << x << ", " << y << ")";
                }
            }
        }
    }
    // Explosion frames 0 and 1, and the player's second shot with the
    // enemy's first, each counted from both sides.
    EXPECT_EQ(overlaps, 4);
}

TEST(Pictures, FigureEdgesAreBrightAgainstTheKey) {
    // A dark but not black pixel next to the key shows as a grimy halo on
    // the stars; edges must be either key or clearly coloured.
    for (const Frame& frame : GameFrames()) {
        const Picture& picture = Sheet(frame.file);
        int dark = 0;
        for (int y = frame.area.y + 1; y < frame.area.y + frame.area.height - 1; ++y) {
            for (int x = frame.area.x + 1; x < frame.area.x + frame.area.width - 1; ++x) {
                const bool edge = picture.Keyed(x - 1, y) || picture.Keyed(x + 1, y) ||
                                  picture.Keyed(x, y - 1) || picture.Keyed(x, y + 1);
                if (!picture.Keyed(x, y) && edge && Brightest(picture.At(x, y)) < 7) {
                    ++dark;
                }
            }
        }
        EXPECT_EQ(dark, 0) << frame.what;
    }
}

struct Tint {
    double red = 0;
    double green = 0;
    double blue = 0;
};

Tint MeanTint(const Frame& frame) {
    const Picture& picture = Sheet(frame.file);
    Tint tint;
    int count = 0;
    for (int y = frame.area.y; y < frame.area.y + frame.area.height; ++y) {
        for (int x = frame.area.x; x < frame.area.x + frame.area.width; ++x) {
            if (!picture.Keyed(x, y)) {
                tint.red += Red(picture.At(x, y));
                tint.green += Green(picture.At(x, y));
                tint.blue += Blue(picture.At(x, y));
                ++count;
            }
        }
    }
    return {tint.red / count, tint.green / count, tint.blue / count};
}

TEST(Pictures, ShotsAreCyanForThePlayerAndOrangeForTheEnemy) {
    // Also guards the channel order: swapped red and blue would turn them.
    for (const std::string what : {"player shot 0", "player shot 1"}) {
        const Tint tint = MeanTint(FrameNamed(what));
        EXPECT_GT(tint.blue, tint.red + 5) << what;
        EXPECT_GT(tint.green, tint.red + 5) << what;
    }
    for (const std::string what : {"enemy shot 0", "enemy shot 1"}) {
        const Tint tint = MeanTint(FrameNamed(what));
        EXPECT_GT(tint.red, tint.green) << what;
        EXPECT_GT(tint.green, tint.blue + 5) << what;
    }
}

bool SameFigure(const Frame& a, const Frame& b) {
    const Picture& picture = Sheet(a.file);
    for (int y = 0; y < a.area.height; ++y) {
        for (int x = 0; x < a.area.width; ++x) {
            if (picture.At(a.area.x + x, a.area.y + y) != picture.At(b.area.x + x, b.area.y + y)) {
                return false;
            }
        }
    }
    return true;
}

TEST(Pictures, AnimationFramesDiffer) {
    for (const auto& [first, second] :
         std::vector<std::pair<std::string, std::string>>{{"mothership 0", "mothership 1"},
                                                          {"roamie 0", "roamie 1"},
                                                          {"player shot 0", "player shot 1"},
                                                          {"enemy shot 0", "enemy shot 1"},
                                                          {"brick 2", "brick 3"},
                                                          {"brick 3", "brick 4"},
                                                          {"explosion 2", "explosion 3"}}) {
        EXPECT_FALSE(SameFigure(FrameNamed(first), FrameNamed(second)))
            << first << " looks like " << second;
    }
}

// Rows that hold anything, top to bottom, as the widths of their figure.
std::vector<int> RowWidths(const Frame& frame) {
    const Picture& picture = Sheet(frame.file);
    std::vector<int> widths;
    for (int y = frame.area.y; y < frame.area.y + frame.area.height; ++y) {
        int first = -1;
        int last = -1;
        for (int x = frame.area.x; x < frame.area.x + frame.area.width; ++x) {
            if (!picture.Keyed(x, y)) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        if (first >= 0) {
            widths.push_back(last - first + 1);
        }
    }
    return widths;
}

TEST(Pictures, ShipPointsUpTheScreen) {
    // A narrow nose at the top, the wings wide in the lower half: a picture
    // stored bottom-up would show it flying backwards.
    const std::vector<int> widths = RowWidths(FrameNamed("ship"));
    ASSERT_GT(widths.size(), 40U);
    const auto widest = std::max_element(widths.begin(), widths.end());
    EXPECT_GT(widest - widths.begin(), static_cast<long>(widths.size() / 2));
    EXPECT_LT(widths.front() * 4, *widest);
}

TEST(Pictures, ShieldLeavesTheShipVisible) {
    // The shield is drawn over the ship, 22 pixels up and left of it; the
    // ship's body (the middle of its 80 x 70) must show through.
    const Picture& shield = Sheet("shield2.tga");
    const Area frame = FrameNamed("shield").area;
    const Area ship{frame.x + 22 + 10, frame.y + 22 + 5, 60, 60};
    EXPECT_EQ(SolidShare(shield, ship), 0.0);
}

}  // namespace
}  // namespace resources_test
