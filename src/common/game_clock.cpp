#include "common/game_clock.h"

#include "platform/api/system.h"

namespace {
std::uint32_t pausedMs = 0;     // all the time spent stopped before now
std::uint32_t stoppedAtMs = 0;  // the platform's reading when stopped
bool stopped = false;
}  // namespace

std::uint32_t GameTime(std::uint32_t platformNow) {
    return (stopped ? stoppedAtMs : platformNow) - pausedMs;
}

std::uint32_t GameTime() {
    return GameTime(platform::TimeGetTime());
}

void StopGameClock() {
    if (stopped) return;
    stoppedAtMs = platform::TimeGetTime();
    stopped = true;
}

void StartGameClock() {
    if (!stopped) return;
    pausedMs += platform::TimeGetTime() - stoppedAtMs;
    stopped = false;
}

void ResetGameClock() {
    pausedMs = 0;
    stoppedAtMs = 0;
    stopped = false;
}
