// A whole scripted game on the headless backend, played twice: several
// hundred frames of flying, firing, shielding, losing the keyboard and
// coming back must say exactly the same thing both times.
#include <gtest/gtest.h>

#include "platform/headless/key_script.h"
#include "shell/frame_loop.h"
#include "support/world_fixture.h"
#include "world/world_state.h"

namespace {

constexpr const char* kReplay =
    "# Far Haven replay 1\n"
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

std::string PlayOnce() {
    HeadlessPlatform headless;
    ResetWorld();
    BuildTestWorld();
    headless.backend().SetKeyScript(platform::KeyScript::Parse(kReplay, "replay"));
    EXPECT_EQ(RunFrameLoop(), 0u);
    EXPECT_EQ(headless.platform().frame(), 720u);
    EXPECT_GT(player->score, 0);
    ResetWorld();
    return headless.debugText();
}

TEST(ScriptedReplay, SevenHundredFramesSayTheSameThingEveryRun) {
    std::string first = PlayOnce();
    EXPECT_EQ(CountLines(first, "[SPACE]"), 488 - 1);  // one frame had lost the keyboard
    EXPECT_EQ(CountLines(first, "Reaquiring device"), 1);
    EXPECT_GE(CountLines(first, "shield activated"), 2);
    EXPECT_EQ(CountLines(first, "Mouse at 100,200"), 1);
    EXPECT_EQ(CountLines(first, "Mouse at 65535,0"), 1);
    EXPECT_GE(CountLines(first, "Collision with brick 0"), 5);
    std::string second = PlayOnce();
    EXPECT_EQ(first.size(), second.size());
    EXPECT_TRUE(first == second) << "the two runs' logs differ";
}

}  // namespace
