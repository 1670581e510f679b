// The keyboard's set-up, the reading of the keys each frame, and the one
// action a reading leads to, in priority order.
#include "input/input_manager.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "display/draw_manager.h"
#include "platform/api/window.h"
#include "platform/core/platform.h"
#include "shell/app_window.h"
#include "support/world_fixture.h"
#include "world/actors.h"
#include "world/world_state.h"

namespace {

namespace sc = platform::scancode;

using InputSetUpTest = WorldTest;

TEST_F(InputSetUpTest, EachFailingStepWritesItsLineAndKeepsWhatWasMade) {
    appWindow = CreateAppWindow(800, 600);
    struct Step {
        const char* name;
        const char* line;
        bool inputMade;
        bool keyboardMade;
    };
    const Step steps[] = {
        {"dinput.create", "Failed to create direct input object!", false, false},
        {"dinput.device", "Failed to create input device (keyboard)!", true, false},
        {"dinput.cooperative", "Failed to set cooperative level!", true, true},
        {"dinput.format", "Failed to set data format!", true, true},
        {"dinput.acquire", "Failed to acquire device (keyboard)!", true, true},
    };
    for (const Step& step : steps) {
        backend().failures().Clear();
        backend().failures().Add({step.name, platform::E_FAIL, 1});
        InputManager input;
        std::size_t mark = Mark();
        EXPECT_FALSE(input.InitInput()) << step.name;
        EXPECT_EQ(LogSince(mark), std::string(step.line) + "\n");
        EXPECT_EQ(input.directInput != nullptr, step.inputMade) << step.name;
        EXPECT_EQ(input.keyboard != nullptr, step.keyboardMade) << step.name;
    }
}

TEST_F(InputSetUpTest, ASuccessfulSetUpSaysNothingAndReleaseGivesEverythingUp) {
    appWindow = CreateAppWindow(800, 600);
    InputManager input;
    std::size_t mark = Mark();
    EXPECT_TRUE(input.InitInput());
    EXPECT_EQ(LogSince(mark), "");
    input.Release();
    EXPECT_EQ(input.keyboard, nullptr);
    EXPECT_EQ(input.directInput, nullptr);
}

class KeyActionTest : public WorldTest {
protected:
    void SetUp() override {
        Build();
        enemy->visible = false;
    }
    // Polls as the frame does, returning what it wrote.
    std::string Poll(int times = 1) {
        std::size_t mark = Mark();
        for (int i = 0; i < times; ++i) theInputManager.PollKeyboard();
        return LogSince(mark);
    }
};

TEST_F(KeyActionTest, EscapeWinsOverSpace) {
    Hold({sc::Space, sc::Escape});
    std::string log = Poll();
    EXPECT_EQ(Lines(log).front(), "[ESC] pressed");
    EXPECT_EQ(log.find("[SPACE]"), std::string::npos);
    EXPECT_TRUE(playerShotList.empty());
}

TEST_F(KeyActionTest, UpWinsOverLeftEvenWhenItsMoveIsRefused) {
    player->x = 101;
    player->y = 10;
    Hold({sc::Left, sc::Up});
    EXPECT_EQ(Poll(2), "[UPARROW] pressed\n[UPARROW] pressed\n");
    EXPECT_EQ(player->x, 101);
    EXPECT_EQ(player->y, 10);
}

TEST_F(KeyActionTest, ReviveAndShieldWinOverTheMovesAndSpace) {
    Hold({sc::S, sc::Up, sc::Space});
    EXPECT_EQ(Poll(), "shield activated\n");
    EXPECT_EQ(shieldOn, 1);
    Hold({sc::R});
    enemy->visible = false;
    EXPECT_EQ(Poll(), "");  // revive has no line, and the shield key waits
    EXPECT_TRUE(enemy->visible);
    EXPECT_EQ(shieldOn, 1);
}

TEST_F(KeyActionTest, MovesStepTheShipUntilTheirLimits) {
    Hold({sc::Up});
    EXPECT_EQ(Poll(), "[UPARROW] pressed\n");
    EXPECT_EQ(player->y, 520);
    Poll(60);
    EXPECT_EQ(player->y, 10);
    ReleaseKeys();
    Hold({sc::Down});
    Poll(60);
    EXPECT_EQ(player->y, 530);
    EXPECT_EQ(Poll(), "[DOWNARROW] pressed\n");
    EXPECT_EQ(player->y, 530);
    ReleaseKeys();
    Hold({sc::Left});
    EXPECT_EQ(Poll(), "[LEFTARROW] pressed\n");
    EXPECT_EQ(player->x, 1);
    ReleaseKeys();
    Hold({sc::Right});
    player->x = 681;
    EXPECT_EQ(Poll(), "[RIGHTARROW] pressed\n");
    EXPECT_EQ(player->x, 701);
    Poll();
    EXPECT_EQ(player->x, 721);
    EXPECT_EQ(Poll(), "[RIGHTARROW] pressed\n");
    EXPECT_EQ(player->x, 721);
}

TEST_F(KeyActionTest, TheMoveLimitsAreFixedAtTheFirstPoll) {
    Poll();
    EXPECT_EQ(theInputManager.moveLimitX, 710);
    EXPECT_EQ(theInputManager.moveLimitY, 530);
    Settings::hres = 1600;
    Settings::vres = 1200;
    player->x = 701;
    Hold({sc::Right});
    Poll(3);
    EXPECT_EQ(player->x, 721);
    EXPECT_EQ(theInputManager.moveLimitX, 710);
}

TEST_F(KeyActionTest, SpaceIsLoggedEveryFrameEvenWhenTheShotIsRefused) {
    Hold({sc::Space});
    EXPECT_EQ(Poll(3), "[SPACE]\n[SPACE]\n[SPACE]\n");
    EXPECT_EQ(playerShotList.size(), 1u);
}

TEST_F(KeyActionTest, ReviveBringsBackOnlyTheDead) {
    player->health = 50;
    Hold({sc::R});
    Poll();
    EXPECT_TRUE(enemy->visible);
    EXPECT_EQ(enemy->GetHealth(), 100);
    EXPECT_EQ(player->GetHealth(), 50);
    Settings::damageEnemy = 100;
    player->Hit(nullptr);
    enemy->health = 30;
    Poll();
    EXPECT_TRUE(player->visible);
    EXPECT_EQ(player->GetHealth(), 100);
    EXPECT_EQ(enemy->GetHealth(), 30);
}

TEST_F(KeyActionTest, ALostKeyboardIsTakenBackAndActsFromTheNextFrame) {
    Hold({sc::Space});
    platform::Current().NoteKeyboardLost();
    std::size_t mark = Mark();
    EXPECT_FALSE(theInputManager.PollKeyboard());
    EXPECT_EQ(LogSince(mark), "Reaquiring device\nFailed to get device state\n");
    EXPECT_TRUE(playerShotList.empty());
    EXPECT_TRUE(theInputManager.PollKeyboard());
    EXPECT_EQ(playerShotList.size(), 1u);
}

TEST_F(KeyActionTest, AnUnreadableKeyboardTakesNoAction) {
    Hold({sc::Space});
    Poll();
    playerShotList.clear();
    backend().failures().Add({"dinput.state", platform::E_FAIL, 1});
    std::size_t mark = Mark();
    EXPECT_FALSE(theInputManager.PollKeyboard());
    EXPECT_EQ(LogSince(mark), "Failed to get device state\n");
    EXPECT_TRUE(playerShotList.empty());  // the previous reading is not used
}

TEST_F(KeyActionTest, AScriptedUnacquireCostsTheNextFramesAction) {
    UseKeyScript("1-4 UP\n2 UNACQUIRE\n");
    RunFrames(4);
    EXPECT_EQ(player->y, 530 - 3 * 10);
    EXPECT_EQ(CountLines(Log(), "Reaquiring device"), 1);
}

// The first display refresh strictly after t (refreshes at k * 1000 / 60 ms).
std::uint32_t NextRefresh(std::uint32_t t) {
    std::uint64_t k = std::uint64_t{t} * 60 / 1000;
    while (k * 1000 / 60 <= t) ++k;
    return static_cast<std::uint32_t>(k * 1000 / 60);
}

TEST_F(KeyActionTest, QuittingBlacksTheScreenFadesTheFarewellAndDestroysTheWindow) {
    RunFrames(1);  // a picture on the screen first
    Hold({sc::Escape});
    std::uint32_t start = backend().clock().Now();
    std::size_t mark = Mark();
    EXPECT_TRUE(theInputManager.PollKeyboard());
    // Two waiting flips, 255 + 255 fade steps of 10 ms, then 100 ms.
    EXPECT_EQ(backend().clock().Now(), NextRefresh(NextRefresh(start)) + 5100 + 100);
    std::vector<std::string> lines = Lines(LogSince(mark));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "[ESC] pressed");
    EXPECT_EQ(CountLines(LogSince(mark), "fadeintext: THANK YOU"), 1);
    EXPECT_EQ(CountLines(LogSince(mark), "fadeouttext: THANK YOU"), 1);
    EXPECT_LT(LogSince(mark).find("fadeintext"), LogSince(mark).find("fadeouttext"));
    for (int y = 0; y < 600; y += 7) {
        for (int x = 0; x < 800; x += 7) ASSERT_EQ(ScreenPixel(x, y), 0) << x << "," << y;
    }
    EXPECT_FALSE(backend().windowOpen());
    ASSERT_FALSE(platform::Current().queue().Empty());
    EXPECT_EQ(platform::Current().queue().Front().message, platform::WM_QUIT);
}

TEST_F(KeyActionTest, AfterTheQuitTheFrameRunsToItsEndAndTheLoopEnds) {
    UseKeyScript("3 ESC\n");
    EXPECT_EQ(RunLoop(), 0u);
    EXPECT_EQ(CountLines(Log(), "[ESC] pressed"), 1);
    EXPECT_EQ(platform::Current().frame(), 3u);
    // The frame's own flip came after the farewell: the world is on the screen again.
    EXPECT_EQ(ScreenPixel(400, 200), test_colors::kBackground);
}

}  // namespace
