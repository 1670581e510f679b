// The finished game in a real window on an X server (the test script starts
// Xvfb), driven as a player would: look at the screen, press arrow keys,
// press Escape.
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/game_run.h"

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Picture = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

bool Have(const char* command) {
    return std::system((std::string("command -v ") + command + " >/dev/null 2>&1").c_str()) == 0;
}

bool WaitFor(const std::function<bool()>& done, int seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

void Keys(const std::string& xdotoolArguments) {
    std::system(("xdotool " + xdotoolArguments).c_str());
}

// The whole X screen, as 32-bit pixels.
Picture Screen(const std::filesystem::path& folder) {
    std::string file = (folder / "screen.png").string();
    if (std::system(("import -window root " + file).c_str()) != 0) return nullptr;
    Picture loaded(IMG_Load(file.c_str()));
    if (!loaded) return nullptr;
    return Picture(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
}

// How many pixels of a rectangle of the game's 800 x 600 picture, scaled to
// the screen as the game scales it, pass the test.
int Count(SDL_Surface* screen, int left, int top, int right, int bottom,
          const std::function<bool(int, int, int)>& wanted) {
    double scale = std::min(screen->w / 800.0, screen->h / 600.0);
    int offsetX = static_cast<int>((screen->w - 800 * scale) / 2);
    int offsetY = static_cast<int>((screen->h - 600 * scale) / 2);
    int count = 0;
    for (int y = static_cast<int>(top * scale); y < static_cast<int>(bottom * scale); ++y) {
        for (int x = static_cast<int>(left * scale); x < static_cast<int>(right * scale); ++x) {
            auto* row = static_cast<std::uint8_t*>(screen->pixels) + (y + offsetY) * screen->pitch;
            std::uint32_t pixel = reinterpret_cast<std::uint32_t*>(row)[x + offsetX];
            if (wanted((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF)) ++count;
        }
    }
    return count;
}

// The log's lines that pass the test.
std::vector<std::string> Lines(const std::string& log,
                               const std::function<bool(const std::string&)>& wanted) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) {
        if (wanted(line)) lines.push_back(line);
    }
    return lines;
}

bool MouseLine(const std::string& line) {
    return line.starts_with("Mouse at");
}

// Frame by frame, what the game did: everything but the loop's passes (on
// the real clock some find that no time has passed and run no frame) and
// the mouse moves with the blank line after them (one that comes before the
// first frame is replayed after it).
bool FrameLine(const std::string& line) {
    return !MouseLine(line) && !line.empty() && line != "before frame";
}

// The real window's settings for a test run, or why there can be none.
std::string RealWindowMissing() {
    if (std::getenv("DISPLAY") == nullptr) return "no X server (DISPLAY is not set)";
    if (!Have("xdotool") || !Have("import")) return "xdotool and ImageMagick's import are needed";
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return "";
}

bool Lit(int r, int g, int b) {
    return r + g + b > 150;
}
bool Grey(int r, int g, int b) {
    return r > 110 && g > 110 && b > 110 && std::abs(r - b) < 50;
}
bool PaleGreen(int r, int g, int b) {
    return g > 200 && r > 140 && r < 230 && b > 140 && b < 230;
}

TEST(RealWindow, AGameStartsFullScreenShowsTheWorldMovesOnArrowsAndEndsOnEscape) {
    if (std::string missing = RealWindowMissing(); !missing.empty()) GTEST_SKIP() << missing;

    RunFolder folder;
    folder.Start({});
    // The title fades in and out (about ten seconds), then the frames begin.
    ASSERT_TRUE(
        WaitFor([&] { return folder.LogSoFar().find("before frame") != std::string::npos; }, 90))
        << folder.LogSoFar().substr(0, 500);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    Picture before = Screen(folder.path());
    ASSERT_TRUE(before);
    EXPECT_GT(Count(before.get(), 0, 100, 800, 500, Lit), 1500) << "the star field";
    EXPECT_GT(Count(before.get(), 65, 60, 769, 90, Grey), 3000) << "the bricks";
    EXPECT_GT(Count(before.get(), 0, 0, 800, 58, Lit), 1500) << "the enemy";
    EXPECT_GT(Count(before.get(), 1, 530, 81, 575, Lit), 800) << "the ship";
    EXPECT_GT(Count(before.get(), 0, 576, 800, 590, PaleGreen), 100) << "the heads-up line";
    int shipBefore = Count(before.get(), 1, 530, 81, 575, Lit);

    Keys("keydown Up sleep 0.5 keyup Up keydown Right sleep 0.5 keyup Right");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    Picture after = Screen(folder.path());
    ASSERT_TRUE(after);
    EXPECT_LT(Count(after.get(), 1, 530, 81, 575, Lit), shipBefore / 2)
        << "the ship left its corner";

    Keys("keydown Escape sleep 0.3 keyup Escape");  // held for frames, as a finger holds it
    GameResult run = folder.Finish(60);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_NE(run.log.find("[UPARROW] pressed"), std::string::npos);
    EXPECT_NE(run.log.find("[RIGHTARROW] pressed"), std::string::npos);
    EXPECT_NE(run.log.find("[ESC] pressed"), std::string::npos);
}

TEST(RealWindow, KeysAndMouseOfAGameInTheWindowReplayHeadlessAsTheyWerePlayed) {
    if (std::string missing = RealWindowMissing(); !missing.empty()) GTEST_SKIP() << missing;

    RunFolder folder;
    folder.Start({"--record", "played.keys"});
    ASSERT_TRUE(
        WaitFor([&] { return folder.LogSoFar().find("before frame") != std::string::npos; }, 90))
        << folder.LogSoFar().substr(0, 500);
    Keys(
        "keydown Left sleep 0.4 keyup Left mousemove 200 300 keydown space sleep 0.3 keyup space "
        "keydown Up keydown Right sleep 0.3 keyup Up sleep 0.2 keyup Right mousemove 500 100 "
        "keydown s sleep 0.1 keyup s sleep 0.2");
    Keys("keydown Escape sleep 0.3 keyup Escape");
    GameResult played = folder.Finish(60);
    ASSERT_EQ(played.exitCode, 0) << played.errors;

    GameResult replayed = folder.Run({"--headless", "--keys", "played.keys"});
    EXPECT_EQ(replayed.exitCode, 0) << replayed.errors;
    for (const char* expected :
         {"[LEFTARROW] pressed", "[SPACE]", "[UPARROW] pressed", "[RIGHTARROW] pressed",
          "shield activated", "Mouse at", "[ESC] pressed"}) {
        EXPECT_NE(played.log.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(Lines(played.log, FrameLine), Lines(replayed.log, FrameLine));
    EXPECT_EQ(Lines(played.log, MouseLine), Lines(replayed.log, MouseLine));
}

}  // namespace
