// The pictures as the game cuts them, read by its own reader, whole and cut
// short; and the desktop icons as SDL2_image reads them back.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <span>
#include <utility>

#include "display/image_loader.h"
#include "generated_files.h"
#include "layout.h"
#include "support/display_setup.h"
#include "support/headless_platform.h"

namespace {

namespace layout = resgen::layout;
using resgen::Rect;

std::vector<Rect> Frames(std::initializer_list<std::span<const Rect>> groups) {
    std::vector<Rect> all;
    for (const std::span<const Rect> group : groups)
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

struct Sheet {
    std::string file;
    layout::SheetSize size;
    std::vector<Rect> frames;  // those the game cuts out
};

const Sheet kSheets[] = {
    {"invader1.tga", layout::kInvaderSheet,
     Frames({layout::kEnemyFrames, layout::kBrickFrames, layout::kRoamieFrames})},
    {"stars2.tga", layout::kStarSheet, {}},
    {"bship.tga", layout::kShipSheet, {layout::kShipFrame}},
    {"bullets.tga", layout::kBulletSheet,
     Frames({layout::kPlayerShotFrames, layout::kEnemyShotFrames})},
    {"shield2.tga", layout::kShieldSheet, {layout::kShieldFrame}},
    {"boom.tga", layout::kBoomSheet, Frames({layout::kExplosionFrames})},
};

// The first `size` bytes as the game loads them: screen pixels, 0 the
// transparent key.
std::unique_ptr<ImageBuffer> Load(const TempFolder& folder, const std::vector<std::uint8_t>& bytes,
                                  std::size_t size) {
    return TgaLoader().Load(WriteCut(folder, bytes, size).c_str());
}

class Pictures : public HeadlessTest {
protected:
    ScopedDisplay display;
    TempFolder folder;
};

TEST_F(Pictures, AreUncompressedSixteenBitTopDownTgaLoadedAtTheirSize) {
    for (const Sheet& sheet : kSheets) {
        const std::vector<std::uint8_t>& bytes = GeneratedFile("resources/" + sheet.file);
        EXPECT_EQ(bytes.at(2), 2) << sheet.file << ": not uncompressed true colour";
        EXPECT_EQ(bytes.at(16), 16) << sheet.file;
        // The game takes the first row for the top whatever the header says;
        // the origin bit makes other viewers agree.
        EXPECT_EQ(bytes.at(17) & 0x30, 0x20) << sheet.file << ": origin not the top left";
        const std::unique_ptr<ImageBuffer> image = Load(folder, bytes, bytes.size());
        ASSERT_NE(image, nullptr) << sheet.file;
        EXPECT_EQ(image->width, sheet.size.width) << sheet.file;
        EXPECT_EQ(image->height, sheet.size.height) << sheet.file;
    }
    // The game shows (10, 10)-(799, 599) of the star field.
    EXPECT_GE(layout::kStarSheet.width, 799);
    EXPECT_GE(layout::kStarSheet.height, 599);
}

TEST_F(Pictures, EveryFrameHoldsAFigureOnTheKeyAndSharesOnlyBlack) {
    int overlaps = 0;
    for (const Sheet& sheet : kSheets) {
        const std::vector<std::uint8_t>& bytes = GeneratedFile("resources/" + sheet.file);
        const std::unique_ptr<ImageBuffer> image = Load(folder, bytes, bytes.size());
        ASSERT_TRUE(image && image->pixels) << sheet.file;
        auto solid = [&](int x, int y) { return image->pixels[y * image->width + x] != 0; };
        for (std::size_t i = 0; i < sheet.frames.size(); ++i) {
            const Rect& frame = sheet.frames[i];
            int inside = 0;
            int onEdge = 0;
            for (int y = frame.y; y < frame.Bottom(); ++y) {
                for (int x = frame.x; x < frame.Right(); ++x) {
                    const bool edge = x == frame.x || y == frame.y || x == frame.Right() - 1 ||
                                      y == frame.Bottom() - 1;
                    (edge ? onEdge : inside) += solid(x, y) ? 1 : 0;
                }
            }
            EXPECT_GE(inside * 4, frame.width * frame.height) << sheet.file << " frame " << i;
            EXPECT_EQ(onEdge, 0) << sheet.file << " frame " << i << " runs into its edge";
            // Where two frames overlap, neither figure may show in the other.
            for (std::size_t j = i + 1; j < sheet.frames.size(); ++j) {
                const Rect shared = resgen::Intersection(frame, sheet.frames[j]);
                overlaps += shared.width * shared.height > 0 ? 1 : 0;
                for (int y = shared.y; y < shared.Bottom(); ++y) {
                    for (int x = shared.x; x < shared.Right(); ++x) {
                        EXPECT_FALSE(solid(x, y)) << sheet.file << " (" << x << ", " << y << ")";
                    }
                }
            }
        }
    }
    // Explosion frames 0 and 1; the player's second shot and the enemy's first.
    EXPECT_EQ(overlaps, 2);
}

TEST_F(Pictures, PlayerShotsAreCyanAndEnemyShotsOrange) {
    // Red and blue swapped anywhere from the art to the file would turn them.
    const std::vector<std::uint8_t>& bytes = GeneratedFile("resources/bullets.tga");
    auto redOverBlue = [&](const Rect& frame) {
        int sum = 0;
        for (int y = frame.y; y < frame.Bottom(); ++y) {
            for (int x = frame.x; x < frame.Right(); ++x) {
                const std::size_t at = 18 + 2 * std::size_t(y * layout::kBulletSheet.width + x);
                const int pixel = bytes.at(at) | bytes.at(at + 1) << 8;  // x RRRRR GGGGG BBBBB
                sum += (pixel >> 10 & 0x1F) - (pixel & 0x1F);
            }
        }
        return sum;
    };
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_LT(redOverBlue(layout::kPlayerShotFrames.at(i)), 0) << "player shot " << i;
        EXPECT_GT(redOverBlue(layout::kEnemyShotFrames.at(i)), 0) << "enemy shot " << i;
    }
}

// A cut short file, as a broken download or a full disk leaves it, loads at
// its header's size, black (transparent) after the cut; one with no whole
// header has nothing to draw. The asan preset checks every access.
TEST(DamagedFiles, EveryCutPictureLoadsAtItsSizeBlackAfterTheCut) {
    HeadlessPlatform headless;
    ScopedDisplay display;
    TempFolder folder;
    for (const Sheet& sheet : kSheets) {
        const std::vector<std::uint8_t>& bytes = GeneratedFile("resources/" + sheet.file);
        const std::unique_ptr<ImageBuffer> whole = Load(folder, bytes, bytes.size());
        ASSERT_TRUE(whole && whole->pixels) << sheet.file;
        const std::size_t count = std::size_t{whole->width} * whole->height;
        for (const std::size_t cut : Cuts(bytes.size())) {
            const std::string where = sheet.file + " cut at " + std::to_string(cut);
            const std::unique_ptr<ImageBuffer> image = Load(folder, bytes, cut);
            if (cut < 18) {
                EXPECT_FALSE(image && image->pixels) << where;
                continue;
            }
            ASSERT_TRUE(image && image->pixels && image->width == whole->width &&
                        image->height == whole->height)
                << where;
            const std::uint16_t* pixels = image->pixels.get();
            const std::size_t held = std::min(count, (cut - 18) / 2);
            EXPECT_TRUE(std::equal(pixels, pixels + held, whole->pixels.get())) << where;
            EXPECT_TRUE(std::all_of(pixels + held, pixels + count, [](auto p) { return p == 0; }))
                << where << ": not black after the cut";
        }
    }
}

TEST(Icon, DecodesAtTheSizeItsFolderNamesWithATransparentGround) {
    std::set<int> sizes;
    for (const resgen::GameFile& file : resgen::MakeIconFiles()) {
        const Picture icon = DecodePicture(file.bytes);
        ASSERT_GT(icon.width, 0) << file.path << ": " << icon.error;
        sizes.insert(icon.width);
        const std::string size = std::to_string(icon.width);
        EXPECT_EQ(file.path, "hicolor/" + size + "x" + size + "/apps/farhaven.png");
        EXPECT_EQ(icon.height, icon.width) << file.path;
        const int last = icon.width - 1;
        for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
            EXPECT_EQ(icon.At(x, y) >> 24, 0U) << file.path << " corner " << x << ", " << y;
        }
        EXPECT_EQ(icon.At(last / 2, last / 2) >> 24, 0xFFU) << file.path << ": the middle";
    }
    EXPECT_EQ(sizes, (std::set<int>{64, 128}));
}

}  // namespace
