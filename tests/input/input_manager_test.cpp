// The reading of the keys each frame, and the one action a reading leads
// to, in priority order. Reviving and the farewell are left to the golden
// game, which does both and says so line by line.
#include "input/input_manager.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "platform/core/platform.h"
#include "shell/app_window.h"
#include "support/world_fixture.h"
#include "world/world_state.h"

namespace {

namespace sc = platform::scancode;

class KeyActionTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        enemy->visible = false;
    }
    // Holds the keys (only) and polls as the frame does; what the polls wrote.
    std::string Poll(std::initializer_list<std::uint8_t> keys, int times = 1) {
        ReleaseKeys();
        Hold(keys);
        std::size_t mark = Mark();
        for (int i = 0; i < times; ++i) theInputManager.PollKeyboard();
        return LogSince(mark);
    }
};

TEST_F(KeyActionTest, OnlyTheMostImportantKeyHeldActsEvenWhenItsMoveIsRefused) {
    // Each key with the next one down the priority: only the first acts.
    player->y = 10;  // Up is refused here, and still wins
    const std::tuple<std::uint8_t, std::uint8_t, const char*> pairs[] = {
        {sc::S, sc::Up, "shield activated\n"},
        {sc::Up, sc::Down, "[UPARROW] pressed\n"},
        {sc::Down, sc::Right, "[DOWNARROW] pressed\n"},
        {sc::Right, sc::Left, "[RIGHTARROW] pressed\n"},
        {sc::Left, sc::Space, "[LEFTARROW] pressed\n"},
        {sc::R, sc::S, ""},
    };
    for (auto [first, second, line] : pairs) {
        player->y = 10;
        EXPECT_EQ(Poll({first, second}), line) << int{first} << " with " << int{second};
    }
    EXPECT_TRUE(playerShotList.empty());
    EXPECT_EQ(Lines(Poll({sc::Space, sc::Escape})).front(), "[ESC] pressed");
}

TEST_F(KeyActionTest, MovesStopAtLimitsFixedByTheFirstPoll) {
    Poll({sc::Up}, 60);
    EXPECT_EQ(player->y, 10);
    Settings::hres = 1600;  // too late: the limits are 710 and 530
    Settings::vres = 1200;
    Poll({sc::Down}, 60);
    EXPECT_EQ(player->y, 530);
    player->x = 661;  // on to 701; one step more would end past the limit of 710
    EXPECT_EQ(Poll({sc::Right}, 3),
              "[RIGHTARROW] pressed\n[RIGHTARROW] pressed\n[RIGHTARROW] pressed\n");
    EXPECT_EQ(player->x, 701);
    player->x = 1;
    EXPECT_EQ(Poll({sc::Left}), "[LEFTARROW] pressed\n");
    EXPECT_EQ(player->x, 1);
    EXPECT_EQ(Poll({sc::Space}, 3), "[SPACE]\n[SPACE]\n[SPACE]\n");  // refused shots log too
    EXPECT_EQ(playerShotList.size(), 1u);
}

TEST_F(KeyActionTest, RightHeldFromTheStartLeavesTheShipWhollyOnTheScreen) {
    UseKeyScript("1-60 RIGHT\n");
    RunFrames(60);
    EXPECT_EQ(player->x, 701);
    EXPECT_EQ(ScreenPixel(780, 560), test_colors::kShip[0]);  // its right edge is drawn
}

TEST_F(KeyActionTest, ALostOrUnreadableKeyboardTakesNoActionThatFrame) {
    Hold({sc::Space});
    platform::Current().NoteKeyboardLost();
    std::size_t mark = Mark();
    EXPECT_FALSE(theInputManager.PollKeyboard());
    EXPECT_EQ(LogSince(mark), "Reaquiring device\nFailed to get device state\n");
    EXPECT_TRUE(theInputManager.PollKeyboard());  // taken back: acts again
    playerShotList.clear();
    backend().failures().Add({"dinput.state", platform::E_FAIL, 1});
    mark = Mark();
    EXPECT_FALSE(theInputManager.PollKeyboard());
    EXPECT_EQ(LogSince(mark), "Failed to get device state\n");
    EXPECT_TRUE(playerShotList.empty());  // the previous reading is not used
}

}  // namespace
