// SDL's key state turned into the scan codes the game reads.
#include "platform/sdl/sdl_keyboard.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace sc = platform::scancode;

platform::KeyState Mapped(std::initializer_list<SDL_Scancode> down, int count = SDL_NUM_SCANCODES) {
    std::vector<Uint8> sdlState(SDL_NUM_SCANCODES, 0);
    for (SDL_Scancode key : down) sdlState[key] = 1;
    platform::KeyState keys{};
    platform::AddSdlKeysDown(sdlState.data(), count, keys);
    return keys;
}

int DownCount(const platform::KeyState& keys) {
    int count = 0;
    for (std::uint8_t key : keys) count += key == platform::KEY_DOWN ? 1 : 0;
    return count;
}

TEST(SdlKeyboard, TheGamesKeysMapToTheirScanCodes) {
    struct Case {
        SDL_Scancode sdl;
        std::uint8_t code;
    };
    for (Case key : {Case{SDL_SCANCODE_ESCAPE, sc::Escape}, Case{SDL_SCANCODE_R, sc::R},
                     Case{SDL_SCANCODE_S, sc::S}, Case{SDL_SCANCODE_UP, sc::Up},
                     Case{SDL_SCANCODE_DOWN, sc::Down}, Case{SDL_SCANCODE_LEFT, sc::Left},
                     Case{SDL_SCANCODE_RIGHT, sc::Right}, Case{SDL_SCANCODE_SPACE, sc::Space}}) {
        platform::KeyState keys = Mapped({key.sdl});
        EXPECT_EQ(keys[key.code], platform::KEY_DOWN) << int(key.code);
        EXPECT_EQ(DownCount(keys), 1) << int(key.code);
    }
}

TEST(SdlKeyboard, LettersAndDigitsFollowTheBoardNotTheAlphabet) {
    EXPECT_EQ(Mapped({SDL_SCANCODE_A})[sc::A], platform::KEY_DOWN);
    EXPECT_EQ(Mapped({SDL_SCANCODE_Q})[sc::Q], platform::KEY_DOWN);
    EXPECT_EQ(Mapped({SDL_SCANCODE_M})[sc::M], platform::KEY_DOWN);
    EXPECT_EQ(Mapped({SDL_SCANCODE_Z})[sc::Z], platform::KEY_DOWN);
    EXPECT_EQ(Mapped({SDL_SCANCODE_1})[sc::Digit1], platform::KEY_DOWN);
    EXPECT_EQ(Mapped({SDL_SCANCODE_9})[0x0A], platform::KEY_DOWN);
    EXPECT_EQ(Mapped({SDL_SCANCODE_0})[sc::Digit0], platform::KEY_DOWN);
    platform::KeyState everyLetter = Mapped({});
    std::vector<Uint8> sdlState(SDL_NUM_SCANCODES, 0);
    for (int i = SDL_SCANCODE_A; i <= SDL_SCANCODE_0; ++i) sdlState[i] = 1;
    platform::AddSdlKeysDown(sdlState.data(), SDL_NUM_SCANCODES, everyLetter);
    EXPECT_EQ(DownCount(everyLetter), 36);  // 26 letters and 10 digits, no two on one code
}

TEST(SdlKeyboard, KeysWithoutACodeAndAShortStateAreLeftOut) {
    EXPECT_EQ(DownCount(Mapped({SDL_SCANCODE_F1, SDL_SCANCODE_KP_5, SDL_SCANCODE_LSHIFT})), 0);
    // SDL says how many entries its state has; none beyond are read.
    EXPECT_EQ(DownCount(Mapped({SDL_SCANCODE_UP}, SDL_SCANCODE_UP)), 0);
    platform::KeyState keys{};
    platform::AddSdlKeysDown(nullptr, 0, keys);
    EXPECT_EQ(DownCount(keys), 0);
}

}  // namespace
