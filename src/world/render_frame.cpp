#include "world/render_frame.h"

#include <cstdio>
#include <cstring>

#include "common/window_metrics.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/sprite.h"
#include "display/text_overlay.h"
#include "world/actors.h"
#include "world/moving_lists.h"
#include "world/shield.h"
#include "world/world_state.h"

namespace {

// The next-to-last whole text row of the screen. A font without height
// would divide by zero; the top row serves then.
std::int32_t HeadsUpRow() {
    if (textHeight == 0) return 0;
    return Settings::vres / textHeight - 2;
}

// Health on the left, the score where start-up centred it, and the shields
// ending one character before the right edge.
void DrawHeadsUpLine(platform::Surface& target) {
    char healthText[32];
    char shieldsText[32];
    char scoreText[32];
    std::snprintf(healthText, sizeof healthText, "HEALTH = %d",
                  static_cast<int>(player->GetHealth()));
    std::snprintf(shieldsText, sizeof shieldsText, "SHIELDS = %d",
                  static_cast<int>(Settings::shieldCount));
    std::snprintf(scoreText, sizeof scoreText, "SCORE = %06d", static_cast<int>(player->score));
    std::int32_t row = HeadsUpRow();
    std::int32_t shieldsX =
        Settings::hres - static_cast<std::int32_t>(std::strlen(shieldsText) + 1) * charWidth;
    ShowText(1, row, healthText, &target);
    ShowText(shieldsX, row, shieldsText, &target);
    ShowText(scoreTextX, row, scoreText, &target);
}

// Roamies fly right until they pass their turning point, then dive.
void MoveAndDrawRoamies(platform::Surface& target) {
    for (auto& roamie : roamieList) {
        if (!roamie->visible) continue;
        if (roamie->x > roamie->turnX) {
            roamie->velX = 0;
            roamie->velY = 4;
        }
        MoveOnce(*roamie);
        roamie->Draw(target);
    }
}

void MoveAndDrawShots(SpriteList& shots, platform::Surface& target) {
    for (auto& shot : shots) {
        if (!shot->visible) continue;
        MoveOnce(*shot);
        shot->Draw(target);
    }
}

// An explosion that has shown its last frame is dropped right after that draw.
void DrawExplosions(platform::Surface& target) {
    for (auto boom = boomList.begin(); boom != boomList.end();) {
        (*boom)->Draw(target);
        boom = (*boom)->visible ? std::next(boom) : boomList.erase(boom);
    }
}

}  // namespace

void RenderFrame() {
    platform::Surface& target = *theDrawManager.backBuffer;
    // Every blit names its own colour key, and the back buffer is never a
    // blit source, so it needs no key of its own.
    target.ColorFill(0);
    backgroundSprite->Draw(target);
    for (auto& brick : brickList) brick->Draw(target);
    if (enemy->visible) enemy->Draw(target);
    MoveAndDrawRoamies(target);
    if (player->visible) player->Draw(target);
    if (shieldOn == 1) {
        // Drawn where the ship is, alive or not. Around a ship on the bottom
        // row or in the left-hand columns the barrier reaches past the
        // screen's edge: the part on the screen is drawn, so that the player
        // sees the shield is up where the ship spends most of the game.
        PlaceShieldOverPlayer();
        shieldSprite->DrawClipped(target);
    }
    MoveAndDrawShots(playerShotList, target);
    MoveAndDrawShots(enemyShotList, target);
    DrawExplosions(target);
    // Last, outlined, so that it reads over the ship, which starts and spends
    // most of the game on the bottom row under its start, and over the
    // shield's ring around it.
    DrawHeadsUpLine(target);
    theDrawManager.primary->Flip(target);
}
