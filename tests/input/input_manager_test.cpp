// The keyboard's set-up, the reading of the keys each frame, and the one
// action a reading leads to, in priority order.
#include "input/input_manager.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "platform/core/platform.h"
#include "shell/app_window.h"
#include "support/world_fixture.h"
#include "world/world_state.h"

namespace {

namespace sc = platform::scancode;

using InputSetUpTest = WorldTest;

TEST_F(InputSetUpTest, EachFailingStepWritesItsLineAndKeepsWhatWasMade) {
    appWindow = CreateAppWindow(800, 600);
    const std::tuple<const char*, const char*, bool, bool> steps[] = {
        {"dinput.create", "Failed to create direct input object!", false, false},
        {"dinput.device", "Failed to create input device (keyboard)!", true, false},
        {"dinput.cooperative", "Failed to set cooperative level!", true, true},
        {"dinput.format", "Failed to set data format!", true, true},
        {"dinput.acquire", "Failed to acquire device (keyboard)!", true, true},
    };
    for (const auto& [step, line, inputMade, keyboardMade] : steps) {
        backend().failures().Clear();
        backend().failures().Add({step, platform::E_FAIL, 1});
        InputManager input;
        std::size_t mark = Mark();
        EXPECT_FALSE(input.InitInput()) << step;
        EXPECT_EQ(LogSince(mark), std::string(line) + "\n");
        EXPECT_EQ(input.directInput != nullptr, inputMade) << step;
        EXPECT_EQ(input.keyboard != nullptr, keyboardMade) << step;
    }
}

class KeyActionTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        enemy->visible = false;
    }
    // Polls as the frame does; what the polls wrote.
    std::string Poll(int times = 1) {
        std::size_t mark = Mark();
        for (int i = 0; i < times; ++i) theInputManager.PollKeyboard();
        return LogSince(mark);
    }
};

TEST_F(KeyActionTest, OnlyTheFirstKeyHeldActsEvenWhenItsMoveIsRefused) {
    player->y = 10;
    Hold({sc::Left, sc::Up});
    EXPECT_EQ(Poll(2), "[UPARROW] pressed\n[UPARROW] pressed\n");
    EXPECT_EQ(Place(player->x, player->y), Place(1, 10));
    Hold({sc::Space, sc::Escape});
    EXPECT_EQ(Lines(Poll()).front(), "[ESC] pressed");
    EXPECT_TRUE(playerShotList.empty());
}

TEST_F(KeyActionTest, MovesStopAtLimitsFixedByTheFirstPoll) {
    Hold({sc::Up});
    Poll(60);
    EXPECT_EQ(player->y, 10);
    Settings::hres = 1600;  // too late: the limits are 710 and 530
    Settings::vres = 1200;
    ReleaseKeys();
    Hold({sc::Down});
    Poll(60);
    EXPECT_EQ(player->y, 530);
    ReleaseKeys();
    Hold({sc::Right});
    player->x = 681;
    EXPECT_EQ(Poll(3), "[RIGHTARROW] pressed\n[RIGHTARROW] pressed\n[RIGHTARROW] pressed\n");
    EXPECT_EQ(player->x, 721);
    ReleaseKeys();
    Hold({sc::Left});
    player->x = 1;
    EXPECT_EQ(Poll(), "[LEFTARROW] pressed\n");
    EXPECT_EQ(player->x, 1);
}

TEST_F(KeyActionTest, SpaceIsLoggedEveryFrameEvenWhenTheShotIsRefused) {
    Hold({sc::Space});
    EXPECT_EQ(Poll(3), "[SPACE]\n[SPACE]\n[SPACE]\n");
    EXPECT_EQ(playerShotList.size(), 1u);
}

TEST_F(KeyActionTest, ReviveBringsBackOnlyTheDeadWithFullHealth) {
    player->health = 50;
    enemy->health = 0;
    Hold({sc::R});
    EXPECT_EQ(Poll(), "");
    EXPECT_EQ(std::tuple(enemy->visible, enemy->GetHealth(), player->GetHealth()),
              std::tuple(true, 100, 50));
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

// The first display refresh strictly after t (refreshes at k * 1000 / 60 ms).
std::uint32_t NextRefresh(std::uint32_t t) {
    std::uint64_t k = std::uint64_t{t} * 60 / 1000;
    while (k * 1000 / 60 <= t) ++k;
    return static_cast<std::uint32_t>(k * 1000 / 60);
}

TEST_F(KeyActionTest, QuittingBlacksTheScreenFadesTheFarewellAndDestroysTheWindow) {
    RunFrames(1);
    Hold({sc::Escape});
    std::uint32_t start = backend().clock().Now();
    std::size_t mark = Mark();
    EXPECT_TRUE(theInputManager.PollKeyboard());
    // Two waiting flips, 255 + 255 fade steps of 10 ms, then 100 ms.
    EXPECT_EQ(backend().clock().Now(), NextRefresh(NextRefresh(start)) + 5100 + 100);
    std::string log = LogSince(mark);
    EXPECT_EQ(Lines(log).front(), "[ESC] pressed");
    EXPECT_LT(log.find("fadeintext: THANK YOU"), log.find("fadeouttext: THANK YOU"));
    for (int y = 0; y < 600; y += 7) {
        for (int x = 0; x < 800; x += 7) ASSERT_EQ(ScreenPixel(x, y), 0) << x << "," << y;
    }
    EXPECT_FALSE(backend().windowOpen());
    EXPECT_EQ(platform::Current().queue().Front().message, platform::WM_QUIT);
}

TEST_F(KeyActionTest, AfterTheQuitTheFrameRunsToItsEndAndTheLoopEnds) {
    UseKeyScript("3 ESC\n");
    EXPECT_EQ(RunLoop(), 0u);
    EXPECT_EQ(platform::Current().frame(), 3u);
    EXPECT_EQ(ScreenPixel(400, 200), test_colors::kBackground);  // the frame's own picture
}

}  // namespace
