#include "shell/frame_loop.h"

#include "common/game_clock.h"
#include "common/game_random.h"
#include "config/settings.h"
#include "input/input_manager.h"
#include "platform/api/system.h"
#include "platform/api/window.h"
#include "shell/app_window.h"
#include "world/enemy_and_bricks.h"
#include "world/enemy_shots.h"
#include "world/pause.h"
#include "world/player_shots.h"
#include "world/render_frame.h"
#include "world/roamies.h"
#include "world/world_state.h"

std::uint32_t lastFrameEndMs = 0;

namespace {

void EndExpiredShield(std::uint32_t now) {
    if (now - shieldStartMs > static_cast<std::uint32_t>(Settings::shieldLife)) shieldOn = 0;
}

// True when the clock has moved on since the previous pass: a reading at or
// after lastFrameEndMs wraps the difference to near 2^32.
bool ClockHasMoved(std::uint32_t now) {
    return lastFrameEndMs - now > 500;
}

}  // namespace

std::uintptr_t RunFrameLoop(void (*frame)()) {
    platform::Message message;
    for (;;) {
        if (platform::PeekMessage(message)) {
            platform::GetMessage(message);
            platform::TranslateMessage(message);
            platform::DispatchMessage(message);
            if (message.message == platform::WM_QUIT) break;
            continue;
        }
        if (appActive == 0) break;
        platform::OutputDebugString("before frame\n");
        std::uint32_t now = platform::TimeGetTime();
        // The shield lives by the game's clock, which a pause stops; frames
        // come by the platform's, so that a paused game still answers keys.
        EndExpiredShield(GameTime(now));
        if (ClockHasMoved(now)) frame();
        lastFrameEndMs = platform::TimeGetTime();
    }
    return message.wParam;
}

void RunFrame() {
    theInputManager.PollKeyboard();
    // A paused game shows its picture as it stood and waits for P or Escape.
    if (gamePaused) {
        ShowPausedFrame();
        return;
    }
    // The picture shows what the previous frame's updates left.
    RenderFrame();
    CheckContacts();
    UpdatePlayerShots();
    UpdateEnemyShots();
    UpdateRoamies();
    CheckContacts();
    UpdateEnemy(enemy.get());
    if (RoamieChance(Rand())) SpawnRoamie();
}
