// The finished game in a real window on an X server (the test script starts
// Xvfb), driven as a player would: look at the screen, press keys, press
// Escape.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/api/options.h"
#include "support/game_run.h"

namespace {

// What is missing for a real window, or nothing (and SDL is set up for X).
std::string RealWindowMissing() {
    if (std::getenv("DISPLAY") == nullptr) return "no X server (DISPLAY is not set)";
    if (std::system("command -v xdotool >/dev/null && command -v import >/dev/null") != 0) {
        return "xdotool and ImageMagick's import are needed";
    }
    if (std::system("xdotool getdisplaygeometry >/dev/null 2>&1") != 0) {
        return std::string("no X server answers on ") + std::getenv("DISPLAY");
    }
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return "";
}

// Outside CI a machine without an X server skips the real window with a
// word; CI must show it, so there the same lack is a failure.
#define REQUIRE_REAL_WINDOW()                                                    \
    if (std::string missing = RealWindowMissing(); !missing.empty()) {           \
        if (std::getenv("CI") != nullptr) FAIL() << missing << " (CI needs it)"; \
        GTEST_SKIP() << missing;                                                 \
    }

// Waits up to the seconds given for the log to hold the line; how long it took.
double SecondsUntil(const RunFolder& folder, const std::string& line, double seconds) {
    auto start = std::chrono::steady_clock::now();
    std::chrono::duration<double> waited{};
    while (CountLines(folder.LogSoFar(), line) == 0 && waited.count() < seconds) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        waited = std::chrono::steady_clock::now() - start;
    }
    return waited.count();
}

// Starts the game and waits for its first frame (the title fades take about
// ten seconds).
void StartAndWaitForPlay(RunFolder& folder, const std::vector<std::string>& arguments) {
    folder.Start(arguments, 120);
    ASSERT_LT(SecondsUntil(folder, "before frame", 90), 90) << folder.LogSoFar().substr(0, 500);
}

void Keys(const std::string& xdotoolArguments) {
    std::system(("xdotool " + xdotoolArguments).c_str());
}

// The game's window's size, as "WIDTHxHEIGHT", and the screen's.
std::string WindowSize() {
    auto [code, text] = Output(
        "xdotool search --name '^Far Haven$' getwindowgeometry --shell "
        "| awk -F= '/^WIDTH/ {w = $2} /^HEIGHT/ {h = $2} END {printf \"%sx%s\", w, h}'");
    return code == 0 ? text : "(no window: " + text + ")";
}
std::string ScreenSize() {
    auto [code, text] = Output("xdotool getdisplaygeometry | tr ' ' x | tr -d '\\n'");
    return text;
}

// How many pixels of a rectangle of the game's 800 x 600 picture, scaled to
// the screen as the game scales it, are lit (or pale green, the heads-up colour).
int Lit(const Picture& screen, int left, int top, int right, int bottom, bool paleGreen = false) {
    double scale = std::min(screen.width / 800.0, screen.height / 600.0);
    int offsetX = static_cast<int>((screen.width - 800 * scale) / 2);
    int offsetY = static_cast<int>((screen.height - 600 * scale) / 2);
    int count = 0;
    for (int y = static_cast<int>(top * scale); y < static_cast<int>(bottom * scale); ++y) {
        for (int x = static_cast<int>(left * scale); x < static_cast<int>(right * scale); ++x) {
            std::uint32_t pixel = screen.Rgb(x + offsetX, y + offsetY);
            int r = pixel >> 16, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
            count +=
                paleGreen ? g > 200 && r > 140 && r < 230 && b > 140 && b < 230 : r + g + b > 150;
        }
    }
    return count;
}

Picture Screen(const RunFolder& folder) {
    std::system(("import -window root " + (folder.path() / "screen.png").string()).c_str());
    return ReadPicture(folder.path() / "screen.png");
}

// The ship at its start, in the bottom-left corner.
int Ship(const Picture& screen) {
    return Lit(screen, 1, 530, 81, 575);
}

// A still ship is shot down by the mothership in the same frame of every
// game (one hit kills with this control file): the player sees the world,
// the ship's wreck and its revival, the shield raised once by a held S, the
// ship moved by the arrows, the window switched by Alt+Enter to one of the
// largest scale the command line takes and back, and the game ends on Escape.
TEST(RealWindow, AGamePlayedWithTheRealKeyboardAndScreen) {
    REQUIRE_REAL_WINDOW();
    RunFolder folder;
    folder.Write("quorlat.ctl", "[GAMEPLAY]\nDAMAGEENEMY=100\n");
    ASSERT_NO_FATAL_FAILURE(
        StartAndWaitForPlay(folder, {"--scale=" + std::to_string(platform::kMaxScale)}));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(WindowSize(), ScreenSize()) << "full screen";
    Picture before = Screen(folder);
    ASSERT_GT(before.width, 0) << before.error;
    EXPECT_GT(Lit(before, 0, 100, 800, 500), 1500) << "the star field";
    EXPECT_GT(Lit(before, 65, 60, 769, 90), 3000) << "the bricks";
    EXPECT_GT(Lit(before, 0, 0, 800, 58), 1500) << "the enemy";
    EXPECT_GT(Lit(before, 0, 576, 800, 590, true), 100) << "the heads-up line";
    int ship = Ship(before);
    EXPECT_GT(ship, 800) << "the ship";

    ASSERT_LT(SecondsUntil(folder, "rendering hero death sequence", 30), 30) << "never hit";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the explosion is over
    EXPECT_LT(Ship(Screen(folder)), ship / 4) << "the wreck is not drawn";
    Keys("keydown r sleep 0.15 keyup r");
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_GT(Ship(Screen(folder)), ship * 3 / 4) << "R brought the ship back";

    Keys("keydown s sleep 0.5 keyup s");  // about 30 frames
    Keys("keydown Up sleep 0.5 keyup Up keydown Right sleep 0.5 keyup Right");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_LT(Ship(Screen(folder)), ship / 2) << "the ship left its corner";

    Keys("key alt+Return sleep 0.5");
    EXPECT_EQ(WindowSize(), std::to_string(800 * platform::kMaxScale) + "x" +
                                std::to_string(600 * platform::kMaxScale))
        << "Alt+Enter makes a window of the picture's size times --scale";
    Keys("key alt+Return sleep 0.5");
    EXPECT_EQ(WindowSize(), ScreenSize()) << "and Alt+Enter again full screen";

    auto escape = std::chrono::steady_clock::now();
    Keys("keydown Escape sleep 0.3 keyup Escape");  // held for frames, as a finger holds it
    GameResult run = folder.Finish();
    std::chrono::duration<double> farewell = std::chrono::steady_clock::now() - escape;
    EXPECT_GT(farewell.count(), 4.5) << "Escape's own press cut the farewell short";
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(CountLines(run.log, "shield activated"), 1) << "one press, one shield";
    for (const char* line : {"[UPARROW] pressed", "[RIGHTARROW] pressed", "[ESC] pressed"}) {
        EXPECT_GT(CountLines(run.log, line), 0) << line;
    }
}

// Ctrl-C while the title fades in ends the game at once, with the exit code
// of an interrupt, instead of after the seconds of fading still to come.
TEST(RealWindow, CtrlCDuringTheTitleEndsTheGameAtOnce) {
    REQUIRE_REAL_WINDOW();
    RunFolder folder;
    SignalledRun run = PlayAndSignal(
        folder, {}, {SIGINT}, [&] { return CountLines(folder.LogSoFar(), "fade in text") > 0; });
    ASSERT_TRUE(WIFEXITED(run.status)) << run.status;
    EXPECT_EQ(WEXITSTATUS(run.status), 130);
    EXPECT_LT(run.toEnd.count(), 2.5) << "the fades were waited out";
    EXPECT_EQ(CountLines(folder.LogSoFar(), "before frame"), 0) << "the game was played";
}

}  // namespace
