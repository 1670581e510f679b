#include "world/actors.h"

#include "common/debug_log.h"
#include "config/settings.h"
#include "display/draw_manager.h"

Actor::Actor(std::uint16_t startHealth) : Sprite(&theDrawManager), health(startHealth) {}

std::uint16_t Actor::GetHealth() const {
    return health;
}

std::uint16_t Actor::Revive(std::uint16_t newHealth) {
    visible = true;
    health = newHealth;
    state = 0;
    return newHealth;
}

void Actor::TakeDamage(std::int32_t damage, const char* logFormat) {
    // In 16 bits, as health is kept: any 32-bit damage from the control file
    // (-2147483648 too) wraps the same way instead of overflowing.
    health = static_cast<std::uint16_t>(health - static_cast<std::uint16_t>(damage));
    DebugLog(logFormat, static_cast<int>(health));
    if (health == 0 || health > 100) {
        health = 0;
        visible = false;
        DebugLog("Rendering death sequence!");
        state = -1;
    }
}

Player::Player() : Actor(100) {}

bool Player::Hit(Sprite* /*other*/) {
    TakeDamage(Settings::damageEnemy, "Player hit!  Health = %d");
    return true;
}

Enemy::Enemy() : Actor(100) {}

bool Enemy::Hit(Sprite* /*other*/) {
    TakeDamage(Settings::damagePlayer, "Enemy hit!  Health = %d");
    return true;
}

Roamie::Roamie() : Actor(10) {}

bool Roamie::Hit(Sprite* /*other*/) {
    TakeDamage(Settings::damagePlayer, "roamie hit!  Health = %d");
    return true;
}

bool PointInside(const Sprite& a, const Sprite& b) {
    // Sums in 32 bits: a rectangle near the 16-bit wrap does not fold over.
    std::int32_t right = std::int32_t{b.x} + b.width;
    std::int32_t bottom = std::int32_t{b.y} + b.height;
    return a.x > b.x && a.x < right && a.y > b.y && a.y < bottom;
}
