#include "world/world_state.h"

#include "display/image_loader.h"
#include "display/sprite.h"
#include "world/actors.h"
#include "world/pause.h"

std::unique_ptr<ImageBuffer> imginvader;
std::unique_ptr<ImageBuffer> imgback;
std::unique_ptr<ImageBuffer> imgship;
std::unique_ptr<ImageBuffer> imgbullets;
std::unique_ptr<ImageBuffer> imgshield;
std::unique_ptr<ImageBuffer> booms;

std::unique_ptr<Sprite> shieldSprite;
std::unique_ptr<Enemy> enemy;
std::unique_ptr<Player> player;
std::unique_ptr<Sprite> backgroundSprite;

SpriteList brickList;
SpriteList playerShotList;
SpriteList enemyShotList;
RoamieList roamieList;
SpriteList boomList;

std::uint8_t shieldOn = 0;
std::uint32_t shieldStartMs = 0;

std::int32_t enemyMovingRight = 1;
std::int32_t brickCount = 12;

const std::array<std::uint16_t, 12> enemyActionTable = {1, 1, 1, 1, 1, 1, 1, 1, 4, 4, 4, 0};

std::uint16_t scoreTextX = 0;

void ReleaseWorldObjects() {
    booms.reset();
    enemy.reset();
    player.reset();
    backgroundSprite.reset();
    imginvader.reset();
    imgbullets.reset();
    imgshield.reset();
    imgship.reset();
    shieldSprite.reset();
    ResetPause();  // and the picture a pause kept
}

void ResetWorldState() {
    brickList.clear();
    playerShotList.clear();
    enemyShotList.clear();
    roamieList.clear();
    boomList.clear();
    ReleaseWorldObjects();
    imgback.reset();
    shieldOn = 0;
    shieldStartMs = 0;
    enemyMovingRight = 1;
    brickCount = 12;
    scoreTextX = 0;
}
