#include "world/explosions.h"

#include <array>
#include <memory>

#include "common/debug_log.h"
#include "display/draw_manager.h"
#include "display/sprite.h"
#include "sound/sound_manager.h"
#include "world/actors.h"
#include "world/world_state.h"

namespace {

struct Offset {
    std::uint16_t dx;
    std::uint16_t dy;
};

constexpr std::array<Offset, 4> kHeroBursts = {{{0, 0}, {4, 4}, {8, 8}, {12, 8}}};
constexpr std::array<Offset, 4> kEnemyBursts = {{{0, 0}, {10, 10}, {20, 20}, {30, 10}}};

void AddBursts(const Sprite& where, const std::array<Offset, 4>& offsets) {
    for (const Offset& offset : offsets) {
        DebugLog("Adding boom");
        AddBoom(static_cast<std::uint16_t>(where.x + offset.dx),
                static_cast<std::uint16_t>(where.y + offset.dy));
    }
}

}  // namespace

void AddBoom(std::uint16_t x, std::uint16_t y) {
    PlayEffect(cannonSound);
    auto boom = std::make_unique<Sprite>(&theDrawManager);
    boom->SetImage(booms.get());
    boom->AddFrame(1, 1, 34, 34);
    boom->AddFrame(34, 1, 34, 34);
    boom->AddFrame(68, 1, 34, 34);
    boom->AddFrame(104, 1, 34, 34);
    boom->SetAnimRange(0, 3);
    // Plays its four frames once and hides itself; the renderer then drops it.
    boom->stopFrame = 3;
    boom->MoveBy(x, y);
    boom->frameDelay = 1;
    boom->animate = true;
    boomList.push_back(std::move(boom));
    DebugLog("boom added");
}

void HeroDeathSequence() {
    DebugLog("rendering hero death sequence");
    AddBursts(*player, kHeroBursts);
    player->visible = false;
}

void EnemyDeathSequence() {
    DebugLog("rendering enemy death sequence");
    player->score += 100;
    AddBursts(*enemy, kEnemyBursts);
}
