// What a whole frame of the game costs in a busy world, as a player's
// machine pays for it (the flip converts the picture into the window's
// 32-bit texture, as the SDL backend does), against a plain baseline that
// moves the same bytes; and what start-up's image loading and the heads-up
// texts cost.
//   build/default/bench/bench_frame --benchmark_repetitions=20
//       --benchmark_report_aggregates_only=true
// "vs_baseline" is the frame's time over the baseline's, measured in the
// same run; the target is at most 1.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "config/settings.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "display/text_overlay.h"
#include "platform/api/system.h"
#include "platform/core/display/argb_picture.h"
#include "platform/core/platform.h"
#include "platform/headless/headless_backend.h"
#include "shell/app_window.h"
#include "shell/frame_loop.h"
#include "shell/start_up.h"
#include "world/actors.h"
#include "world/explosions.h"
#include "world/player_shots.h"
#include "world/roamies.h"
#include "world/world_state.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// The headless backend with the flip of the SDL backend: the front surface
// converted into the window's 32-bit picture where it changed. Handing the
// changed rows to the texture and presenting are the graphics card's work.
class ShownHeadless : public platform::HeadlessBackend {
public:
    ShownHeadless() : HeadlessBackend(platform::Options{}) {}
    void Present(const platform::MemorySurface& front) override {
        benchmark::DoNotOptimize(picture_.Update(front).size());
        HeadlessBackend::Present(front);
    }

private:
    platform::ArgbPicture picture_;
};

// The game as start-up leaves it, with the generated resources.
class Game {
public:
    Game() : installed_(std::make_unique<ShownHeadless>(), {}) {
        if (::chdir(FARHAVEN_GAME_DIR) != 0) std::abort();
        appWindow = CreateAppWindow(kWidth, kHeight);
        StartDevices();
        StartInput();
        LoadImages();
        BuildWorld();
    }
    ~Game() {
        ShutDown();
        brickList.clear();
        playerShotList.clear();
        enemyShotList.clear();
        boomList.clear();
        theDrawManager.Teardown();
    }

private:
    platform::ScopedPlatform installed_;
};

Game& TheGame() {
    static Game game;
    return game;
}

// Everything at once: 10 roamies, both sides' shots at their limits, 8
// explosions and the shield up over the player in the middle of the screen.
void MakeBusy() {
    Settings::maxBulletsPlayer = 3;
    Settings::shieldLife = 1 << 30;
    player->x = 360;
    player->y = 400;
    while (roamieList.size() < 10) SpawnRoamie();
    while (playerShotList.size() < 3) FirePlayerShot();
    boomList.clear();
    for (int i = 0; i < 8; ++i) AddBoom(static_cast<std::uint16_t>(80 + 80 * i), 300);
    enemyShotList.clear();
    while (enemyShotList.size() < 3) {
        auto shot = std::make_unique<Sprite>(&theDrawManager);
        shot->SetImage(imgbullets.get());
        shot->AddFrame(64, 36, 26, 22);
        shot->AddFrame(100, 36, 26, 22);
        shot->SetAnimRange(0, 1);
        shot->MoveBy(static_cast<std::uint16_t>(200 + 150 * enemyShotList.size()), 200);
        shot->velY = 5;
        enemyShotList.push_back(std::move(shot));
    }
    shieldOn = 1;
    shieldStartMs = platform::TimeGetTime();
}

// The same bytes moved plainly: the clear, the background copy, and the
// copy of the picture into the window's texture (32-bit pixels).
double BaselineNanoseconds() {
    std::vector<std::uint16_t> back(kWidth * kHeight);
    std::vector<std::uint16_t> background(kWidth * kHeight, 0x1234);
    std::vector<std::uint32_t> picture(kWidth * kHeight, 0x00123456);
    std::vector<std::uint32_t> texture(kWidth * kHeight);
    std::vector<double> samples;
    for (int repetition = 0; repetition < 300; ++repetition) {
        auto start = std::chrono::steady_clock::now();
        std::memset(back.data(), 0, back.size() * 2);
        std::memcpy(back.data(), background.data(), back.size() * 2);
        std::memcpy(texture.data(), picture.data(), texture.size() * 4);
        benchmark::DoNotOptimize(texture.data());
        benchmark::ClobberMemory();
        samples.push_back(
            std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    return samples[samples.size() / 2];
}

void Baseline(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(BaselineNanoseconds());
}
BENCHMARK(Baseline)->Unit(benchmark::kMicrosecond)->Iterations(1);

void WholeFrame(benchmark::State& state) {
    TheGame();
    double baseline = BaselineNanoseconds();
    std::vector<double> samples;
    for (auto _ : state) {
        state.PauseTiming();
        MakeBusy();
        state.ResumeTiming();
        auto start = std::chrono::steady_clock::now();
        RunFrame();
        samples.push_back(
            std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    state.counters["vs_baseline"] = samples[samples.size() / 2] / baseline;
    state.counters["baseline_us"] = baseline / 1000;
}
BENCHMARK(WholeFrame)->Unit(benchmark::kMicrosecond);

void LoadSixImages(benchmark::State& state) {
    TheGame();
    TgaLoader loader;
    for (auto _ : state) {
        for (const char* path :
             {"resources\\invader1.tga", "resources\\stars2.tga", "resources\\bship.tga",
              "resources\\bullets.tga", "resources\\shield2.tga", "resources\\boom.tga"}) {
            benchmark::DoNotOptimize(loader.Load(path));
        }
    }
}
BENCHMARK(LoadSixImages)->Unit(benchmark::kMicrosecond);

void HeadsUpTexts(benchmark::State& state) {
    TheGame();
    for (auto _ : state) {
        ShowText(0, 48, "HEALTH = 100", theDrawManager.backBuffer);
        ShowText(345, 48, "SCORE = 000120", theDrawManager.backBuffer);
        ShowText(680, 48, "SHIELDS = 3", theDrawManager.backBuffer);
    }
}
BENCHMARK(HeadsUpTexts)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
