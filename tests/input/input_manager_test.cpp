// The reading of the keys each frame, and the action a reading leads to.
// Which of several keys held together acts, reviving and the farewell are
// left to the golden game, which does them all and says so line by line.
#include "input/input_manager.h"

#include <gtest/gtest.h>

#include "common/window_metrics.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/text_overlay.h"
#include "platform/core/platform.h"
#include "shell/app_window.h"
#include "shell/frame_loop.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/pause.h"
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

// A keyboard lost (the window went to the back) or unreadable acts on
// nothing that frame: not on the keys of the reading before.
TEST_F(KeyActionTest, ALostOrUnreadableKeyboardTakesNoActionThatFrame) {
    Hold({sc::Space});
    platform::Current().NoteKeyboardLost();
    EXPECT_FALSE(theInputManager.PollKeyboard());
    EXPECT_TRUE(playerShotList.empty());
    EXPECT_TRUE(theInputManager.PollKeyboard());  // taken back: acts again
    playerShotList.clear();
    backend().failures().Add({"dinput.state", platform::E_FAIL, 1});
    EXPECT_FALSE(theInputManager.PollKeyboard());
    EXPECT_TRUE(playerShotList.empty());
}

// What the frames of a paused game showed: the loop runs them, since the
// shield's life is ended there.
struct PausedFrame {
    std::uint8_t shieldOn;
    std::uint16_t playerX;
    bool paused;
};
std::vector<PausedFrame> pausedFrames;
std::vector<std::vector<std::uint16_t>> pausedScreens;  // after frames 9 and 200
std::vector<std::int16_t> heardWhilePaused;
std::vector<std::int16_t> heardAfterPause;

void FrameOfAPausedGame() {
    std::size_t frame = pausedFrames.size() + 1;
    if (frame == 10) {  // a sound of 0.2 s, playing as the pause comes
        PlayEffect(LoadedBuffer(*theSoundManager->device,
                                {platform::WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0},
                                std::vector<std::uint8_t>(8820, 0x40)));
    }
    RunFrame();
    pausedFrames.push_back({shieldOn, player->x, gamePaused});
    if (frame == 9 || frame == 200) pausedScreens.push_back(PixelsOf(*theDrawManager.primary));
    if (frame == 200) heardWhilePaused = Pull(*theSoundManager->device, 4410);
    if (frame == 300) heardAfterPause = Heard(*theSoundManager->device, 441);
}

// P stops the world and the game's clock, holds the sounds and shows
// PAUSED over the picture as it stood, every other key waiting; P again goes
// on where the game stood, the raised shield with the time it had left.
// Escape still quits from a pause.
TEST_F(KeyActionTest, PStopsTheWorldTheClockAndTheSoundsUntilPressedAgain) {
    UseKeyScript("1 S\n10-12 P\n13-299 SPACE LEFT R\n300 P\n301+ SPACE\n460 P\n470 ESC\n");
    player->x = 301;
    pausedFrames.clear();
    pausedScreens.clear();
    RunFrameLoop(FrameOfAPausedGame);
    ASSERT_EQ(pausedFrames.size(), 470u);
    EXPECT_EQ(std::tuple(pausedFrames[8].paused, pausedFrames[9].paused, pausedFrames[298].paused,
                         pausedFrames[299].paused, pausedFrames[459].paused),
              std::tuple(false, true, true, false, true));
    EXPECT_EQ(pausedFrames[298].playerX, 301) << "Left moved a paused ship";
    EXPECT_FALSE(enemy->visible) << "R revived the enemy in a pause";
    // Raised 9 frames before a pause of 290 (about 4.8 s), the 3-s shield is
    // still up 160 frames after it.
    EXPECT_EQ(pausedFrames[459].shieldOn, 1) << "the shield's clock ran in the pause";
    std::string log = Log();
    std::size_t paused = log.find("paused\n"), resumed = log.find("resumed\n");
    ASSERT_LT(paused, resumed);
    EXPECT_EQ(log.find("[", paused), log.find("[SPACE]", resumed)) << "a key acted in the pause";
    EXPECT_EQ(std::tuple(CountLines(log, "paused"), CountLines(log, "resumed"),
                         CountLines(log, "[ESC] pressed")),
              std::tuple(2, 1, 1));
    EXPECT_EQ(Peak(heardWhilePaused), 0) << "a sound played on in the pause";
    EXPECT_GT(Peak(heardAfterPause), 0) << "and was not held for after it";
    // The picture as it stood, PAUSED over its middle rows.
    ASSERT_EQ(pausedScreens.size(), 2u);
    int middle = (Settings::vres / textHeight / 2) * textHeight, changed = 0, outside = 0;
    for (std::size_t i = 0; i < pausedScreens[0].size(); ++i) {
        int y = static_cast<int>(i) / Settings::hres;
        bool differs = pausedScreens[0][i] != pausedScreens[1][i];
        changed += differs;
        outside += differs && (y < middle - 1 || y > middle + textHeight + 5);
    }
    EXPECT_GT(changed, 100) << "no PAUSED";
    EXPECT_EQ(outside, 0) << "the picture changed in the pause";
}

}  // namespace
