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
    "# Far Haven replay 1: fly, fight, shield, die and come back\n"
    "1-40      RIGHT\n"
    "10-400    SPACE\n"
    "41-60     UP\n"
    "61-120    LEFT\n"
    "121       S\n"
    "150-200   up\n"
    "201-260   right\n"
    "240       UNACQUIRE\n"
    "261-300   DOWN\n"
    "301       MOUSE 100 200\n"
    "320-322   S\n"
    "350-420   left\n"
    "450       R\n"
    "451-560   RIGHT\n"
    "500       MOUSE 65535 0\n"
    "561-650   LEFT\n"
    "651-700   UP\n"
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
    EXPECT_GE(CountLines(first.log, "[SPACE]"), 100);
    EXPECT_GE(CountLines(first.log, "shield activated"), 2);
    EXPECT_EQ(CountLines(first.log, "Reaquiring device"), 1);
    EXPECT_EQ(CountLines(first.log, "Mouse at 100,200"), 1);
    EXPECT_EQ(CountLines(first.log, "Mouse at 65535,0"), 1);
    EXPECT_GE(CountLines(first.log, "boom added"), 1);
    EXPECT_GT(first.score, 0);
    // And did it the same way again, byte for byte.
    EXPECT_EQ(first.frames, second.frames);
    EXPECT_EQ(first.score, second.score);
    EXPECT_EQ(first.log.size(), second.log.size());
    EXPECT_TRUE(first.log == second.log) << "the two runs' logs differ";
}

}  // namespace
