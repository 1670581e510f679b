#include "shell/frame_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/game_random.h"
#include "config/settings.h"
#include "platform/api/system.h"
#include "platform/api/window.h"
#include "shell/app_window.h"
#include "support/headless_platform.h"
#include "world/world_state.h"

namespace {

// What the frames of a loop saw; the frame routine ends the loop when told to.
struct FrameRecord {
    int frames = 0;
    int stopAfter = 1;
    std::vector<std::uint8_t> shieldAtFrame;
};
FrameRecord record;

void CountingFrame() {
    ++record.frames;
    record.shieldAtFrame.push_back(shieldOn);
    if (record.frames >= record.stopAfter) platform::PostQuitMessage(0);
}

class FrameLoopTest : public HeadlessTest {
protected:
    void SetUp() override {
        record = {};
        appActive = 1;
        lastFrameEndMs = 0;
        shieldOn = 0;
        shieldStartMs = 0;
        ResetConfiguration();
        appWindow = CreateAppWindow(800, 600);
    }
    void TearDown() override { ResetConfiguration(); }

    int BeforeFrameLines() {
        const std::string& text = headless.debugText();
        int count = 0;
        for (std::size_t at = text.find("before frame\n"); at != std::string::npos;
             at = text.find("before frame\n", at + 1)) {
            ++count;
        }
        return count;
    }
};

TEST_F(FrameLoopTest, TheFirstIdlePassRunsAFrame) {
    EXPECT_EQ(RunFrameLoop(CountingFrame), 0u);
    EXPECT_EQ(record.frames, 1);
    EXPECT_EQ(BeforeFrameLines(), 1);
}

// A headless backend whose clock stands still and which deactivates the
// game on the third look at an empty queue.
class StillClockBackend : public platform::HeadlessBackend {
public:
    StillClockBackend() : HeadlessBackend(platform::Options{}) { clock().Hold(true); }
    void IdleWait() override {
        if (++idlePasses == 3) platform::PostMessage(appWindow, platform::WM_ACTIVATEAPP, 0, 0);
    }
    int idlePasses = 0;
};

TEST(FrameLoop, PassesWithinOneMillisecondRunNoFrame) {
    platform::ScopedPlatform installed(std::make_unique<StillClockBackend>(), platform::Options{});
    installed.get().debug().KeepTranscript(true);
    record = {};
    record.stopAfter = 100;
    appActive = 1;
    lastFrameEndMs = 0;
    appWindow = CreateAppWindow(800, 600);
    RunFrameLoop(CountingFrame);
    EXPECT_EQ(record.frames, 1);
    EXPECT_EQ(installed.get().debug().Transcript(), "before frame\nbefore frame\n");
}

TEST_F(FrameLoopTest, EveryWaitingMessageIsHandledBeforeAFrame) {
    for (int i = 0; i < 5; ++i) platform::PostMessage(appWindow, platform::WM_MOUSEMOVE, 0, i);
    RunFrameLoop(CountingFrame);
    const std::string& text = headless.debugText();
    EXPECT_LT(text.find("Mouse at 4,0"), text.find("before frame"));
    EXPECT_EQ(record.frames, 1);
}

TEST_F(FrameLoopTest, DeactivationEndsTheLoopWithoutAFrame) {
    platform::PostMessage(appWindow, platform::WM_ACTIVATEAPP, 0, 0);
    RunFrameLoop(CountingFrame);
    EXPECT_EQ(record.frames, 0);
    EXPECT_EQ(BeforeFrameLines(), 0);
}

TEST_F(FrameLoopTest, TheLoopReturnsTheQuitMessagesCode) {
    platform::PostQuitMessage(7);
    EXPECT_EQ(RunFrameLoop(CountingFrame), 7u);
    EXPECT_EQ(record.frames, 0);
}

TEST_F(FrameLoopTest, AClosedWindowEndsTheLoop) {
    platform::PostMessage(appWindow, platform::WM_CLOSE, 0, 0);
    EXPECT_EQ(RunFrameLoop(CountingFrame), 0u);
    EXPECT_FALSE(headless.backend().windowOpen());
}

TEST_F(FrameLoopTest, ARaisedShieldLastsExactlyItsLife) {
    auto& clock = headless.backend().clock();
    shieldOn = 1;
    shieldStartMs = clock.Now();
    clock.Set(shieldStartMs + 2999);  // the loop's empty peek adds 1 ms: t + 3000
    RunFrameLoop(CountingFrame);
    EXPECT_EQ(record.shieldAtFrame.at(0), 1);

    record = {};
    lastFrameEndMs = 0;
    RunFrameLoop(CountingFrame);  // t + 3001
    EXPECT_EQ(record.shieldAtFrame.at(0), 0);
}

TEST_F(FrameLoopTest, AShieldWithNoLifeEndsOneMillisecondAfterItWasRaised) {
    Settings::shieldLife = 0;
    auto& clock = headless.backend().clock();
    shieldOn = 1;
    shieldStartMs = clock.Now() + 1;  // the empty peek moves the clock to exactly this
    RunFrameLoop(CountingFrame);
    EXPECT_EQ(record.shieldAtFrame.at(0), 1);
    shieldOn = 1;
    record = {};
    lastFrameEndMs = 0;
    RunFrameLoop(CountingFrame);
    EXPECT_EQ(record.shieldAtFrame.at(0), 0);
}

TEST_F(FrameLoopTest, AReadingUpTo500MsBeforeTheLastFrameRunsNone) {
    // The first pass reads the clock one millisecond on (its empty peek).
    lastFrameEndMs = headless.backend().clock().Now() + 1 + 500;
    RunFrameLoop(CountingFrame);
    EXPECT_EQ(BeforeFrameLines(), 2);  // skipped, then a fresh reading lets the next pass run
    EXPECT_EQ(record.frames, 1);
}

TEST_F(FrameLoopTest, AReading501MsBeforeTheLastFrameCountsAsMoved) {
    lastFrameEndMs = headless.backend().clock().Now() + 1 + 501;
    RunFrameLoop(CountingFrame);
    EXPECT_EQ(BeforeFrameLines(), 1);
    EXPECT_EQ(record.frames, 1);
}

TEST(GameRandom, StartsWithTheSameDrawsInEveryRun) {
    ResetRand();
    std::vector<std::int32_t> draws;
    for (int i = 0; i < 5; ++i) draws.push_back(Rand());
    EXPECT_EQ(draws, (std::vector<std::int32_t>{41, 18467, 6334, 26500, 19169}));
    ResetRand();
    EXPECT_EQ(Rand(), 41);
}

TEST(GameRandom, RoamiesComeOnDrawsEndingIn99) {
    EXPECT_TRUE(RoamieChance(32699));
    EXPECT_TRUE(RoamieChance(99));
    EXPECT_FALSE(RoamieChance(32698));
    EXPECT_FALSE(RoamieChance(32700));
    EXPECT_FALSE(RoamieChance(0));
}

}  // namespace
