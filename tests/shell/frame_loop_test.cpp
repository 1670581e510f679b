// The loop that alternates between the window's messages and the game, and
// the window procedure that handles those messages.
#include "shell/frame_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings.h"
#include "platform/api/window.h"
#include "shell/app_window.h"
#include "shell/start_up.h"
#include "support/headless_platform.h"
#include "world/world_state.h"

namespace {

// What the frames of a loop saw; the frame routine ends the loop when told to.
struct FrameRecord {
    int frames = 0;
    int stopAfter = 1;
    std::vector<std::uint8_t> shieldAtFrame;
} record;

void CountingFrame() {
    ++record.frames;
    record.shieldAtFrame.push_back(shieldOn);
    if (record.frames >= record.stopAfter) platform::PostQuitMessage(0);
}

class FrameLoopTest : public HeadlessTest {
protected:
    void SetUp() override {
        ResetGame();
        record = {};
        appWindow = CreateAppWindow(800, 600);
    }
    void TearDown() override { ResetGame(); }

    // Runs the loop once more, as from a fresh frame; what it wrote.
    std::string Loop() {
        record = {};
        lastFrameEndMs = 0;
        std::size_t mark = headless.debugText().size();
        RunFrameLoop(CountingFrame);
        return headless.debugText().substr(mark);
    }
    platform::VirtualClock& clock() { return headless.backend().clock(); }
};

TEST_F(FrameLoopTest, QuitCloseAndDeactivationEndTheLoop) {
    platform::PostQuitMessage(7);
    EXPECT_EQ(RunFrameLoop(CountingFrame), 7u);
    platform::PostMessage(appWindow, platform::WM_ACTIVATEAPP, 0x10000, 0);  // low 16 bits: 0
    EXPECT_EQ(Loop(), "");
    EXPECT_EQ(std::tuple(record.frames, appActive), std::tuple(0, 0));
    platform::ShowCursor();
    WindowProc(appWindow, platform::WM_ACTIVATEAPP, 1, 0);
    EXPECT_FALSE(platform::CursorVisible());  // coming back hides the cursor again
    platform::PostMessage(appWindow, platform::WM_CLOSE, 0, 0);
    EXPECT_EQ(Loop(), "");
    EXPECT_FALSE(headless.backend().windowOpen());
    EXPECT_FALSE(platform::DestroyWindow(appWindow));  // already gone
}

TEST_F(FrameLoopTest, ARaisedShieldLastsExactlyItsLifeAndNoLifeIsOneMillisecond) {
    for (std::int32_t life : {3000, 0}) {
        Settings::shieldLife = life;
        shieldOn = 1;
        shieldStartMs = clock().Now() + 1;  // the loop's empty peek moves the clock to this
        clock().Set(shieldStartMs - 1 + life);
        Loop();
        EXPECT_EQ(record.shieldAtFrame.at(0), 1) << life;
        Loop();  // a millisecond later
        EXPECT_EQ(record.shieldAtFrame.at(0), 0) << life;
    }
}

TEST_F(FrameLoopTest, AReadingUpTo500MsBeforeTheLastFrameRunsNone) {
    // The first pass reads the clock one millisecond on (its empty peek).
    for (auto [ahead, passes] : {std::pair{500, 2}, {501, 1}}) {
        record = {};
        lastFrameEndMs = clock().Now() + 1 + static_cast<std::uint32_t>(ahead);
        std::size_t mark = headless.debugText().size();
        RunFrameLoop(CountingFrame);
        EXPECT_EQ(CountLines(headless.debugText().substr(mark), "before frame"), passes) << ahead;
        EXPECT_EQ(record.frames, 1);
    }
}

}  // namespace
