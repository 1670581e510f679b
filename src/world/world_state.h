// The world's process-wide state: the images and objects that start-up
// makes, the lists of short-lived sprites, and the flags the frame reads.
#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <memory>

class Sprite;
struct ImageBuffer;
class Player;
class Enemy;
class Roamie;

// Lists own their entries, so that taking one out destroys it; every walk
// goes front to back and takes the next entry before removing the current one.
using SpriteList = std::list<std::unique_ptr<Sprite>>;
using RoamieList = std::list<std::unique_ptr<Roamie>>;

// The six images, loaded by start-up and freed at shutdown (imgback as soon
// as the background has its own copy).
extern std::unique_ptr<ImageBuffer> imginvader;
extern std::unique_ptr<ImageBuffer> imgback;
extern std::unique_ptr<ImageBuffer> imgship;
extern std::unique_ptr<ImageBuffer> imgbullets;
extern std::unique_ptr<ImageBuffer> imgshield;
extern std::unique_ptr<ImageBuffer> booms;

// Made by start-up in this order: shieldSprite, enemy, player, the bricks,
// backgroundSprite.
extern std::unique_ptr<Sprite> shieldSprite;
extern std::unique_ptr<Enemy> enemy;
extern std::unique_ptr<Player> player;
extern std::unique_ptr<Sprite> backgroundSprite;

extern SpriteList brickList;
extern SpriteList playerShotList;
extern SpriteList enemyShotList;
extern RoamieList roamieList;
extern SpriteList boomList;

// The player's shield and the clock reading when it was raised.
extern std::uint8_t shieldOn;
extern std::uint32_t shieldStartMs;

extern std::int32_t enemyMovingRight;
extern std::int32_t brickCount;

// What the enemy does, by the random draw: 1 move, 4 fire, 0 nothing.
// Only entries 1 to 11 are ever drawn.
extern const std::array<std::uint16_t, 12> enemyActionTable;

// x of the centred text "SCORE = 000000", set once by start-up for the
// heads-up line.
extern std::uint16_t scoreTextX;

// What shutdown gives up of the world, in its order: the explosion image,
// the enemy, the player, the background, the other images, the shield.
void ReleaseWorldObjects();
// Every global above back to how a fresh process has it (tests).
void ResetWorldState();
