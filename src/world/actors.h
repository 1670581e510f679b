// The actors of the world: the player's ship, the enemy ship and the
// roamies, with health and what a hit does to them, and the one collision
// test of the world.
#pragma once

#include <cstdint>

#include "display/sprite.h"

class Actor : public Sprite {
public:
    // Bound to theDrawManager, like every sprite of the game.
    explicit Actor(std::uint16_t startHealth);
    ~Actor() override = default;

    virtual std::uint16_t GetHealth() const;
    // Brings the actor back, visible, with the given health.
    virtual std::uint16_t Revive(std::uint16_t newHealth);
    // Takes the damage of a hit; other (what struck) plays no part. Always true.
    virtual bool Hit(Sprite* other) = 0;

    std::uint16_t health;
    std::int16_t state = 0;  // -1 once dead; nothing reads it

protected:
    // Health wraps at 16 bits, so a hit that goes below zero lands above 100
    // and counts as death too.
    void TakeDamage(std::int32_t damage, const char* logFormat);
};

class Player : public Actor {
public:
    Player();
    bool Hit(Sprite* other) override;

    std::uint16_t score = 0;  // wraps at 65536
};

class Enemy : public Actor {
public:
    Enemy();
    bool Hit(Sprite* other) override;
};

class Roamie : public Actor {
public:
    Roamie();
    bool Hit(Sprite* other) override;

    // The roamie flies right while its x is at most this, then dives.
    std::uint16_t turnX = 0;
};

// True when a's top-left corner lies strictly inside b's rectangle; a's own
// size plays no part.
bool PointInside(const Sprite& a, const Sprite& b);
