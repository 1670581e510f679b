#include "platform/sdl/frame_pacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using platform::FramePacer;
using Clock = FramePacer::Clock;
using std::chrono::milliseconds;

// Plays `frames` flips without vsync, each frame's work taking `work(i)`
// after the previous flip, and returns the times of the flips.
template <typename Work>
std::vector<Clock::time_point> Flips(int frames, Work work) {
    FramePacer pacer(false, 0);
    std::vector<Clock::time_point> flips;
    Clock::time_point now = Clock::time_point{} + std::chrono::hours(1);
    for (int i = 0; i < frames; ++i) {
        Clock::time_point ready = now + work(i);
        now = std::max(ready, pacer.WakeTime());
        pacer.AfterPresent(now);
        flips.push_back(now);
    }
    return flips;
}

Clock::duration ShortestInterval(const std::vector<Clock::time_point>& flips) {
    Clock::duration shortest = Clock::duration::max();
    for (std::size_t i = 1; i < flips.size(); ++i)
        shortest = std::min(shortest, flips[i] - flips[i - 1]);
    return shortest;
}

TEST(FramePacer, KeepsTheGameAtSixtyFramesASecondWhenEveryFrameIsQuick) {
    auto flips = Flips(601, [](int) { return milliseconds(2); });
    EXPECT_EQ(flips.back() - flips.front(), 600 * FramePacer::kTick);
    EXPECT_EQ(ShortestInterval(flips), FramePacer::kTick);
}

// A frame that comes late is made up by the next ones, so the game keeps its
// speed, but never by a flip that follows too closely on the late one.
TEST(FramePacer, MakesUpLateFramesWithoutRushedFlips) {
    auto flips = Flips(601, [](int i) { return milliseconds(i % 7 == 3 ? 25 : 2); });
    EXPECT_GE(ShortestInterval(flips), FramePacer::kShortestInterval);
    EXPECT_LE(flips.back() - flips.front(), 600 * FramePacer::kTick + milliseconds(1));
}

// After a long stall (a fade, loading) the pace starts afresh rather than
// rushing through the missed ticks.
TEST(FramePacer, StartsAfreshAfterAStall) {
    auto flips = Flips(20, [](int i) { return milliseconds(i == 10 ? 500 : 2); });
    EXPECT_EQ(ShortestInterval(flips), FramePacer::kTick);
}

TEST(FramePacer, StopsTrustingAVsyncThatDoesNotWait) {
    FramePacer pacer(true, 60);
    Clock::time_point now = Clock::time_point{} + std::chrono::hours(1);
    for (int i = 0; i < 100 && pacer.vsyncPaces(); ++i) {
        now += milliseconds(1);
        pacer.AfterPresent(now);
    }
    EXPECT_FALSE(pacer.vsyncPaces());
    EXPECT_FALSE(FramePacer(true, 144).vsyncPaces()) << "a 144 Hz vsync would run the game fast";
}

}  // namespace
