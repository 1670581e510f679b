// The finished game in a real window on an X server (the test script starts
// Xvfb), driven as a player would: look at the screen, press keys, press
// Escape.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "support/game_run.h"

namespace {

// What is missing for a real window, or nothing (and SDL is set up for X).
std::string RealWindowMissing() {
    if (std::getenv("DISPLAY") == nullptr) return "no X server (DISPLAY is not set)";
    if (std::system("command -v xdotool >/dev/null && command -v import >/dev/null") != 0) {
        return "xdotool and ImageMagick's import are needed";
    }
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return "";
}

// Starts the game and waits for its first frame (the title fades take about
// ten seconds).
void StartAndWaitForPlay(RunFolder& folder, const std::vector<std::string>& arguments) {
    folder.Start(arguments, 120);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (folder.LogSoFar().find("before frame") == std::string::npos) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << folder.LogSoFar().substr(0, 500);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void Keys(const std::string& xdotoolArguments) {
    std::system(("xdotool " + xdotoolArguments).c_str());
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

TEST(RealWindow, AGameStartsFullScreenShowsTheWorldMovesOnArrowsAndEndsOnEscape) {
    if (std::string missing = RealWindowMissing(); !missing.empty()) GTEST_SKIP() << missing;
    RunFolder folder;
    ASSERT_NO_FATAL_FAILURE(StartAndWaitForPlay(folder, {}));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Picture before = Screen(folder);
    ASSERT_GT(before.width, 0) << before.error;
    EXPECT_GT(Lit(before, 0, 100, 800, 500), 1500) << "the star field";
    EXPECT_GT(Lit(before, 65, 60, 769, 90), 3000) << "the bricks";
    EXPECT_GT(Lit(before, 0, 0, 800, 58), 1500) << "the enemy";
    EXPECT_GT(Lit(before, 0, 576, 800, 590, true), 100) << "the heads-up line";
    int ship = Lit(before, 1, 530, 81, 575);
    EXPECT_GT(ship, 800) << "the ship";

    Keys("keydown Up sleep 0.5 keyup Up keydown Right sleep 0.5 keyup Right");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_LT(Lit(Screen(folder), 1, 530, 81, 575), ship / 2) << "the ship left its corner";
    Keys("keydown Escape sleep 0.3 keyup Escape");  // held for frames, as a finger holds it
    GameResult run = folder.Finish();
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    for (const char* line : {"[UPARROW] pressed", "[RIGHTARROW] pressed", "[ESC] pressed"}) {
        EXPECT_GT(CountLines(run.log, line), 0) << line;
    }
}

}  // namespace
