#include "sheets.h"

#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

#include "art.h"
#include "canvas.h"
#include "layout.h"

namespace resgen {

namespace {

using FrameDrawer = std::function<void(Canvas&, int frame)>;

Image16 BlankSheet(layout::SheetSize size) {
    return Image16(size.width, size.height);
}

void PlaceFrames(Image16& sheet, std::span<const Rect> frames, const FrameDrawer& draw) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const Rect& frame = frames[i];
        Canvas canvas(frame.width, frame.height);
        draw(canvas, static_cast<int>(i));
        Bake(canvas, sheet, frame.x, frame.y, Keying::Figure);
    }
}

// Where two frames overlap, neither figure may show in the other: the
// shared pixels become the transparent key.
void ClearSharedPixels(Image16& sheet, const std::vector<Rect>& frames) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        for (std::size_t j = i + 1; j < frames.size(); ++j) {
            sheet.Clear(Intersection(frames[i], frames[j]));
        }
    }
}

std::vector<Rect> AllFrames(std::initializer_list<std::span<const Rect>> groups) {
    std::vector<Rect> all;
    for (const std::span<const Rect> group : groups) {
        for (const Rect& frame : group) {
            all.push_back(frame);
        }
    }
    return all;
}

}  // namespace

Image16 MakeInvaderSheet() {
    Image16 sheet = BlankSheet(layout::kInvaderSheet);
    PlaceFrames(sheet, layout::kEnemyFrames, DrawMothership);
    PlaceFrames(sheet, layout::kBrickFrames, DrawBrick);
    PlaceFrames(sheet, layout::kRoamieFrames, DrawRoamie);
    ClearSharedPixels(
        sheet, AllFrames({layout::kEnemyFrames, layout::kBrickFrames, layout::kRoamieFrames}));
    return sheet;
}

Image16 MakeStarSheet() {
    Image16 sheet = BlankSheet(layout::kStarSheet);
    Canvas canvas(sheet.Width(), sheet.Height());
    DrawStarField(canvas);
    Bake(canvas, sheet, 0, 0, Keying::Backdrop);
    return sheet;
}

Image16 MakeShipSheet() {
    Image16 sheet = BlankSheet(layout::kShipSheet);
    PlaceFrames(sheet, std::span(&layout::kShipFrame, 1),
                [](Canvas& canvas, int) { DrawPlayerShip(canvas); });
    return sheet;
}

Image16 MakeBulletSheet() {
    Image16 sheet = BlankSheet(layout::kBulletSheet);
    PlaceFrames(sheet, layout::kPlayerShotFrames, DrawPlayerShot);
    PlaceFrames(sheet, layout::kEnemyShotFrames, DrawEnemyShot);
    ClearSharedPixels(sheet, AllFrames({layout::kPlayerShotFrames, layout::kEnemyShotFrames}));
    return sheet;
}

Image16 MakeShieldSheet() {
    Image16 sheet = BlankSheet(layout::kShieldSheet);
    PlaceFrames(sheet, std::span(&layout::kShieldFrame, 1),
                [](Canvas& canvas, int) { DrawShield(canvas); });
    return sheet;
}

Image16 MakeBoomSheet() {
    Image16 sheet = BlankSheet(layout::kBoomSheet);
    PlaceFrames(sheet, layout::kExplosionFrames, DrawExplosion);
    ClearSharedPixels(sheet, AllFrames({layout::kExplosionFrames}));
    return sheet;
}

}  // namespace resgen
