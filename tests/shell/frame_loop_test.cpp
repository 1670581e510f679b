// The loop that alternates between the window's messages and the game, and
// the window procedure that handles those messages.
#include "shell/frame_loop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/settings.h"
#include "display/draw_manager.h"
#include "platform/api/window.h"
#include "platform/core/sound/sound_conversion.h"
#include "shell/app_window.h"
#include "shell/start_up.h"
#include "shell/win_main.h"
#include "support/game_run.h"
#include "support/headless_platform.h"
#include "support/wave_files.h"
#include "world/world_state.h"

namespace {

// What the frames of a loop saw; the frame routine ends the loop when told to.
struct FrameRecord {
    int frames = 0;
    int stopAfter = 1;
} record;

void CountingFrame() {
    ++record.frames;
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

    // Runs the loop once more; what it wrote.
    std::string Loop() {
        record = {};
        lastFrameEndMs = 0;
        std::size_t mark = headless.debugText().size();
        RunFrameLoop(CountingFrame);
        return headless.debugText().substr(mark);
    }
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

// A whole headless game of some frames, as the program plays it: its sound
// file holds the samples of every millisecond its virtual clock covered
// from the platform's start to the file's close, to the sample.
TEST(HeadlessGame, ItsSoundFileHoldsEverySampleOfItsVirtualClock) {
    RunFolder folder;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());  // the game's resources are there
    platform::Options options;
    options.frames = 150;
    options.audioOutFile = (folder.path() / "run.wav").string();
    std::uint32_t covered = 0;
    {
        HeadlessPlatform headless(options);
        const std::uint32_t start = headless.backend().clock().Now();
        ResetGame();
        EXPECT_EQ(WinMain((folder.path() / "farhaven").string().c_str()), 0);
        theDrawManager.Teardown();
        covered = headless.backend().clock().Now() - start;
        EXPECT_TRUE(headless.platform().CloseFiles());
        ResetGame();
    }
    std::filesystem::current_path(before);
    EXPECT_GT(covered, 150u * 1000 / 60) << "the game did not play its frames";
    EXPECT_EQ(
        SoundFileSamples(options.audioOutFile).size(),
        std::size_t{covered} * platform::kMixFormat.rate / 1000 * platform::kMixFormat.channels);
}

}  // namespace
