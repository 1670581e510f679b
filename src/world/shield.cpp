#include "world/shield.h"

#include "common/debug_log.h"
#include "common/game_clock.h"
#include "config/settings.h"
#include "display/sprite.h"
#include "sound/sound_manager.h"
#include "world/actors.h"
#include "world/world_state.h"

namespace {
constexpr std::uint16_t kShieldMargin = 22;
}

void ToggleShield() {
    if (Settings::shieldCount == 0) {
        shieldOn = 0;
        return;
    }
    shieldOn = shieldOn == 0 ? 1 : 0;
    if (shieldOn == 1) {
        shieldStartMs = GameTime();  // a pause takes nothing from its life
        DebugLog("shield activated");
        PlayEffect(shieldSound);
        // Counted down with 32-bit wrap-around: a hostile count of
        // -2147483648 from the control file must not overflow.
        Settings::shieldCount =
            static_cast<std::int32_t>(static_cast<std::uint32_t>(Settings::shieldCount) - 1u);
    }
}

void PlaceShieldOverPlayer() {
    shieldSprite->x = static_cast<std::uint16_t>(player->x - kShieldMargin);
    shieldSprite->y = static_cast<std::uint16_t>(player->y - kShieldMargin);
}
