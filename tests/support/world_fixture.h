// A whole game world on the headless backend, built as start-up builds it
// but from small images made in memory, for tests that run frames and look
// at the world's state, the debug lines and the screen.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "display/sprite.h"
#include "support/headless_platform.h"
#include "world/actors.h"

// Every frame rectangle the world cuts holds a solid block of its own pixel
// value, so a pixel of the screen tells which frame of which sprite is shown.
namespace test_colors {
constexpr std::uint16_t kBackground = 0x0841;
constexpr std::uint16_t kEnemy[2] = {0x1082, 0x18C3};
constexpr std::uint16_t kBrick[5] = {0x2104, 0x2945, 0x3186, 0x39C7, 0x4208};
constexpr std::uint16_t kRoamie[2] = {0x4A49, 0x528A};
constexpr std::uint16_t kShip[1] = {0x5ACB};
constexpr std::uint16_t kPlayerShot[2] = {0x630C, 0x6B4D};
constexpr std::uint16_t kEnemyShot[2] = {0x738E, 0x7BCF};
constexpr std::uint16_t kShield[1] = {0x8410};
constexpr int kShieldBand = 20;  // the shield is a ring this wide, black inside
constexpr std::uint16_t kBoom[4] = {0x8C51, 0x9492, 0x9CD3, 0xA514};
}  // namespace test_colors

// A position on the screen, as sprites hold it.
using Place = std::pair<std::uint16_t, std::uint16_t>;

// A fresh game (every global reset) on a fresh headless platform; reset
// again when the test ends.
class WorldTest : public ::testing::Test {
protected:
    WorldTest();
    ~WorldTest() override;

    // The window, the display, the sound (two silent effects), the keyboard,
    // the images and the world's objects in start-up's order, under the
    // current settings (change them first). The log starts afresh after it.
    void Build();

    platform::HeadlessBackend& backend() { return headless.backend(); }
    // Holds the keys down for every later frame until released.
    void Hold(std::initializer_list<std::uint8_t> codes);
    void ReleaseKeys() { backend().ReleaseAllKeys(); }
    // Frames as the key script names them: set one before running frames.
    void UseKeyScript(const std::string& script);

    // Shots and roamies put straight into their lists, as the game makes
    // them, at a chosen place (a roamie takes the spawn's two random draws).
    Sprite& AddPlayerShotAt(std::uint16_t x, std::uint16_t y);
    Sprite& AddEnemyShotAt(std::uint16_t x, std::uint16_t y);
    Roamie& AddRoamieAt(std::uint16_t x, std::uint16_t y, std::uint16_t turnX = 1000);

    // The debug channel since the test began, or since a mark.
    const std::string& Log() { return headless.debugText(); }
    std::size_t Mark() { return Log().size(); }
    std::string LogSince(std::size_t mark) { return Log().substr(mark); }

    // A pixel of the picture on the screen (the primary surface).
    std::uint16_t ScreenPixel(int x, int y);

    HeadlessPlatform headless;
};
