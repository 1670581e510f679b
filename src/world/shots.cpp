#include "world/shots.h"

#include <array>
#include <cstdint>

#include "display/draw_manager.h"
#include "world/world_state.h"

namespace {

// A frame's rectangle in imgbullets.
struct Cut {
    std::uint16_t x, y, width, height;
};

struct ShotKind {
    std::array<Cut, 2> frames;
    std::int16_t velY;
};

constexpr ShotKind kPlayerShot{{{{6, 38, 26, 22}, {40, 36, 26, 22}}}, -10};
constexpr ShotKind kEnemyShot{{{{64, 36, 26, 22}, {100, 36, 26, 22}}}, 6};

}  // namespace

std::unique_ptr<Sprite> MakeShot(Shooter shooter) {
    const ShotKind& kind = shooter == Shooter::Player ? kPlayerShot : kEnemyShot;
    auto shot = std::make_unique<Sprite>(&theDrawManager);
    shot->SetImage(imgbullets.get());
    for (const Cut& frame : kind.frames)
        shot->AddFrame(frame.x, frame.y, frame.width, frame.height);
    shot->SetAnimRange(0, 1);
    shot->frameDelay = 1;
    shot->animate = true;
    shot->velX = 0;
    shot->velY = kind.velY;
    return shot;
}
