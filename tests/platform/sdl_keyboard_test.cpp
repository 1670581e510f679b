// SDL's key state turned into the scan codes the game reads.
#include "platform/sdl/sdl_keyboard.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace sc = platform::scancode;

TEST(SdlKeyboard, EveryKeyTheGameKnowsMapsToItsOwnScanCodeAndNoOtherIsRead) {
    const std::pair<SDL_Scancode, int> mapped[] = {
        {SDL_SCANCODE_ESCAPE, sc::Escape}, {SDL_SCANCODE_R, sc::R},
        {SDL_SCANCODE_S, sc::S},           {SDL_SCANCODE_UP, sc::Up},
        {SDL_SCANCODE_DOWN, sc::Down},     {SDL_SCANCODE_LEFT, sc::Left},
        {SDL_SCANCODE_RIGHT, sc::Right},   {SDL_SCANCODE_SPACE, sc::Space},
        {SDL_SCANCODE_Q, sc::Q},           {SDL_SCANCODE_M, sc::M},
        {SDL_SCANCODE_1, sc::Digit1},      {SDL_SCANCODE_0, sc::Digit0},
    };
    for (const auto& [sdl, code] : mapped) {
        std::vector<Uint8> state(SDL_NUM_SCANCODES, 0);
        state[sdl] = 1;
        platform::KeyState keys{};
        platform::AddSdlKeysDown(state.data(), SDL_NUM_SCANCODES, keys);
        for (int i = 0; i < 256; ++i) EXPECT_EQ(keys[i], i == code ? 0x80 : 0) << code;
        // SDL says how long its state is; nothing past that is read.
        platform::KeyState none{};
        platform::AddSdlKeysDown(state.data(), sdl, none);
        EXPECT_EQ(none[code], 0);
    }
    std::vector<Uint8> all(SDL_NUM_SCANCODES, 1);
    platform::KeyState keys{};
    platform::AddSdlKeysDown(all.data(), SDL_NUM_SCANCODES, keys);
    EXPECT_EQ(std::count(keys.begin(), keys.end(), 0x80), 26 + 10 + 7);  // no two on one code
}

}  // namespace
