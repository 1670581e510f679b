// A whole scripted game on the headless backend: several hundred frames of
// moving, firing, shielding, reviving, losing the keyboard and the mouse,
// played twice, must say exactly the same thing both times.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/key_script.h"
#include "shell/frame_loop.h"
#include "support/headless_platform.h"
#include "support/world_fixture.h"
#include "world/actors.h"
#include "world/world_state.h"

namespace {

constexpr const char* kReplay =
    "# Far Haven replay 1: fly, fight, shield, lose the keyboard, die and come back\n"
    "1-10      RIGHT           # under the third brick\n"
    "11-60     SPACE\n"
    "61-70     UP\n"
    "71        S\n"
    "72-140    space\n"
    "141-160   LEFT\n"
    "161       UNACQUIRE\n"
    "162-220   SPACE\n"
    "221       MOUSE 100 200\n"
    "222-224   S\n"
    "225-300   right\n"
    "301-400   SPACE\n"
    "401       R\n"
    "402-450   DOWN\n"
    "451-560   SPACE\n"
    "500       MOUSE 65535 0\n"
    "561-600   LEFT\n"
    "601-700   SPACE\n"
    "701       R\n"
    "720       CLOSE\n";

struct Replay {
    std::string log;
    std::uintptr_t exitCode = 0;
    std::uint32_t frames = 0;
    std::uint16_t score = 0;
};

Replay PlayOnce() {
    HeadlessPlatform headless;
    ResetWorld();
    BuildTestWorld();
    headless.backend().SetKeyScript(platform::KeyScript::Parse(kReplay, "replay"));
    Replay replay;
    replay.exitCode = RunFrameLoop();
    replay.frames = headless.platform().frame();
    replay.score = player->score;
    replay.log = headless.debugText();
    ResetWorld();
    return replay;
}

TEST(ScriptedReplay, SevenHundredFramesSayTheSameThingEveryRun) {
    Replay first = PlayOnce();
    Replay second = PlayOnce();
    EXPECT_EQ(first.exitCode, 0u);
    EXPECT_EQ(first.frames, 720u);
    // The run did what the script asked of it.
    EXPECT_EQ(CountLines(first.log, "[SPACE]"), 488 - 1);  // one frame lost the keyboard
    EXPECT_GE(CountLines(first.log, "shield activated"), 2);
    EXPECT_EQ(CountLines(first.log, "Reaquiring device"), 1);
    EXPECT_EQ(CountLines(first.log, "Mouse at 100,200"), 1);
    EXPECT_EQ(CountLines(first.log, "Mouse at 65535,0"), 1);
    EXPECT_GE(CountLines(first.log, "Collision with brick 0"), 5);
    EXPECT_GT(first.score, 0);
    // And did it the same way again, byte for byte.
    EXPECT_EQ(first.frames, second.frames);
    EXPECT_EQ(first.score, second.score);
    EXPECT_EQ(first.log.size(), second.log.size());
    EXPECT_TRUE(first.log == second.log) << "the two runs' logs differ";
}

}  // namespace
