#include "input/key_actions.h"

#include "common/debug_log.h"
#include "common/window_metrics.h"
#include "display/draw_manager.h"
#include "display/text_overlay.h"
#include "platform/api/input.h"
#include "platform/api/system.h"
#include "platform/api/window.h"
#include "world/actors.h"
#include "world/player_shots.h"
#include "world/world_state.h"

namespace {
constexpr std::uint8_t kFarewellRed = 192;
constexpr std::uint8_t kFarewellGreen = 255;
constexpr std::uint8_t kFarewellBlue = 192;
}  // namespace

void QuitGame() {
    DebugLog("[ESC] pressed");
    // A press from here on (Escape's own came before) ends the farewell.
    platform::BeginSkippableWait();
    theDrawManager.FillAndFlip(*theDrawManager.backBuffer, 0);
    theDrawManager.FillAndFlip(*theDrawManager.primary, 0);
    TextPos position;
    CenterText("THANK YOU", &position);
    FadeInText(position.x, position.row, "THANK YOU", kFarewellRed, kFarewellGreen, kFarewellBlue);
    FadeOutText(position.x, position.row, "THANK YOU", kFarewellRed, kFarewellGreen, kFarewellBlue);
    if (!platform::SkipRequested()) platform::Sleep(100);
    // The window procedure posts the quit message; the frame still runs to its end.
    platform::DestroyWindow(appWindow);
}

void ReviveActors() {
    if (!enemy->visible) enemy->Revive(100);
    if (!player->visible) player->Revive(100);
}

// The log line of a move is written even when the move is then refused.
void MovePlayerUp() {
    DebugLog("[UPARROW] pressed");
    if (player->y > 10) player->MoveBy(0, static_cast<std::uint16_t>(-10));
}

void MovePlayerDown(std::uint16_t limitY) {
    DebugLog("[DOWNARROW] pressed");
    if (player->y < limitY) player->MoveBy(0, 10);
}

// The ship moves on 20-pixel columns; a step that would end past the limit
// would put its right edge off the screen, where a ship that is not wholly
// on it is not drawn at all.
void MovePlayerRight(std::uint16_t limitX) {
    DebugLog("[RIGHTARROW] pressed");
    if (static_cast<std::uint16_t>(player->x + 20) <= limitX) player->MoveBy(20, 0);
}

void MovePlayerLeft() {
    DebugLog("[LEFTARROW] pressed");
    if (player->x > 1) player->MoveBy(static_cast<std::uint16_t>(-20), 0);
}

void Fire() {
    DebugLog("[SPACE]");
    FirePlayerShot();
}
