// How evenly the real backend paces the game's frames, and what the process
// costs while playing. Plays the game in the SDL backend (full screen, or a
// window with --window) with nobody at the keys, and times every waiting flip
// once the fades are over:
//   DISPLAY=:99 build/default/game/frame_pacing [--window] [FRAMES]
// Prints the flip intervals (median, spread, shortest) against the 60 Hz
// tick, and the process's CPU time over the same wall time. The targets:
// median within 0.5 ms of the tick, no interval under 10 ms, under half of
// one core.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "display/draw_manager.h"
#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "shell/win_main.h"

namespace {

using Clock = std::chrono::steady_clock;

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct FlipStamp {
    Clock::time_point wall;
    double cpuMs;
    std::uint32_t frame;
};

// The player's backend, with a stopwatch on the waiting flip.
class TimedSdlBackend : public platform::SdlBackend {
public:
    using SdlBackend::SdlBackend;

    void Present(const platform::MemorySurface& front) override {
        SdlBackend::Present(front);
        stamps_.push_back({Clock::now(), ProcessCpuMs(), platform::Current().frame()});
    }

    const std::vector<FlipStamp>& stamps() const { return stamps_; }

private:
    std::vector<FlipStamp> stamps_;
};

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    std::size_t index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

// The flips of the measured frames: the last `count` + 1 of the game's loop.
int Report(const std::vector<FlipStamp>& stamps, std::size_t count) {
    std::vector<FlipStamp> played;
    for (const FlipStamp& stamp : stamps) {
        if (stamp.frame > 0) played.push_back(stamp);
    }
    if (played.size() < count + 1) {
        std::fprintf(stderr, "frame_pacing: only %zu frames were played\n", played.size());
        return 1;
    }
    played.erase(played.begin(), played.end() - static_cast<std::ptrdiff_t>(count + 1));
    std::vector<double> intervals;
    for (std::size_t i = 1; i < played.size(); ++i) {
        intervals.push_back(Milliseconds(played[i].wall - played[i - 1].wall));
    }
    const double tick = 1000.0 / 60.0;
    const double median = Percentile(intervals, 0.5);
    const double shortest = *std::min_element(intervals.begin(), intervals.end());
    const double wallMs = Milliseconds(played.back().wall - played.front().wall);
    const double cpuMs = played.back().cpuMs - played.front().cpuMs;
    const auto under10 = std::count_if(intervals.begin(), intervals.end(),
                                       [](double interval) { return interval < 10.0; });
    std::printf("frames measured      %zu\n", intervals.size());
    std::printf("interval median      %.3f ms (tick %.3f ms, off by %.3f ms)\n", median, tick,
                median - tick);
    std::printf("interval 1%% / 99%%    %.3f / %.3f ms\n", Percentile(intervals, 0.01),
                Percentile(intervals, 0.99));
    std::printf("interval min / max   %.3f / %.3f ms\n", shortest,
                *std::max_element(intervals.begin(), intervals.end()));
    std::printf("intervals under 10ms %ld\n", static_cast<long>(under10));
    std::printf("cpu                  %.0f ms over %.0f ms wall: %.1f%% of one core\n", cpuMs,
                wallMs, 100.0 * cpuMs / wallMs);
    const bool met = std::abs(median - tick) <= 0.5 && under10 == 0 && cpuMs < wallMs / 2;
    std::printf("targets              %s\n", met ? "met" : "MISSED");
    return met ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t count = 600;
    platform::Options options;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--window") {
            options.window = true;
        } else {
            count = std::strtoul(argv[i], nullptr, 10);
        }
    }
    if (count < 2) count = 600;
    // A second of play first, so that start-up's last work is behind us.
    options.frames = static_cast<std::uint32_t>(count + 60);
    // The images and sounds are found from the working directory.
    if (::chdir(FARHAVEN_GAME_DIR) != 0) {
        std::perror("frame_pacing: " FARHAVEN_GAME_DIR);
        return 1;
    }
    try {
        auto backend = std::make_unique<TimedSdlBackend>(options);
        TimedSdlBackend& timed = *backend;
        platform::ScopedPlatform installed(std::move(backend), options);
        installed.get().font();
        int exitCode = WinMain(argv[0]);
        theDrawManager.Teardown();
        if (exitCode != 0) {
            std::fprintf(stderr, "frame_pacing: the game ended with %d\n", exitCode);
            return 1;
        }
        return Report(timed.stamps(), count);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "frame_pacing: %s\n", error.what());
        return 1;
    }
}
