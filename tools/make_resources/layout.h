// Where each frame sits in each picture: the rectangles the game cuts out
// of its six images (x, y, width, height), and the size we give each image.
#pragma once

#include <array>

#include "image16.h"

namespace resgen::layout {

struct SheetSize {
    int width;
    int height;
};

// invader1.tga: the enemy mothership, the brick stages and the roamies.
constexpr SheetSize kInvaderSheet{640, 400};
constexpr std::array<Rect, 2> kEnemyFrames{{{3, 313, 124, 82}, {142, 313, 124, 82}}};
constexpr std::array<Rect, 5> kBrickFrames{
    {{1, 30, 60, 30}, {67, 30, 62, 30}, {133, 30, 64, 30}, {199, 30, 64, 30}, {264, 30, 64, 30}}};
// Every brick frame is shown stretched to the size of the last one.
constexpr int kBrickShownWidth = 64;
constexpr std::array<Rect, 2> kRoamieFrames{{{540, 376, 36, 24}, {580, 376, 36, 24}}};

// stars2.tga: the game shows (10, 10)-(799, 599) of it; we fill it all.
constexpr SheetSize kStarSheet{800, 600};
constexpr Rect kBackgroundFrame{10, 10, 789, 589};

// bship.tga: the player's fighter.
constexpr SheetSize kShipSheet{84, 74};
constexpr Rect kShipFrame{1, 1, 80, 70};

// bullets.tga: two frames of each side's shot. The player's second frame
// and the enemy's first share columns 64 and 65.
constexpr SheetSize kBulletSheet{128, 64};
constexpr std::array<Rect, 2> kPlayerShotFrames{{{6, 38, 26, 22}, {40, 36, 26, 22}}};
constexpr std::array<Rect, 2> kEnemyShotFrames{{{64, 36, 26, 22}, {100, 36, 26, 22}}};

// shield2.tga: one frame, placed 22 pixels left of and above the ship.
constexpr SheetSize kShieldSheet{184, 128};
constexpr Rect kShieldFrame{56, 1, 127, 126};
// Where the ship's centre falls inside the shield frame.
constexpr float kShipCentreInShieldX = 22.0F + 40.0F;
constexpr float kShipCentreInShieldY = 22.0F + 35.0F;

// boom.tga: four explosion frames; frames 0 and 1 share column 34.
constexpr SheetSize kBoomSheet{140, 36};
constexpr std::array<Rect, 4> kExplosionFrames{
    {{1, 1, 34, 34}, {34, 1, 34, 34}, {68, 1, 34, 34}, {104, 1, 34, 34}}};

}  // namespace resgen::layout
