#include "platform/sdl/frame_pacer.h"

#include <algorithm>
#include <thread>

namespace platform {
namespace {
// A display that claims vsync but returns this quickly, this many times in
// a row, does not wait for its refresh.
constexpr auto kQuickPresent = std::chrono::milliseconds(12);
constexpr int kQuickPresentsToGiveUp = 30;
}  // namespace

FramePacer::FramePacer(bool vsync, int refreshRate)
    : vsyncPaces_(vsync && refreshRate >= 59 && refreshRate <= 61) {}

void FramePacer::BeforePresent() {
    if (!vsyncPaces_) std::this_thread::sleep_until(WakeTime());
}

FramePacer::Clock::time_point FramePacer::WakeTime() const {
    return std::max(nextTick_, lastPresent_ + kShortestInterval);
}

void FramePacer::AfterPresent(Clock::time_point now) {
    if (vsyncPaces_) {
        bool quick = lastPresent_ != Clock::time_point{} && now - lastPresent_ < kQuickPresent;
        quickPresents_ = quick ? quickPresents_ + 1 : 0;
        if (quickPresents_ >= kQuickPresentsToGiveUp) vsyncPaces_ = false;
    }
    lastPresent_ = now;
    // Keep to the grid of ticks, so that a frame that came a little late is
    // made up by the next; after a long stall (loading, a fade) start afresh
    // instead of rushing through the missed ticks.
    nextTick_ += kTick;
    if (nextTick_ + kTick < now) nextTick_ = now + kTick;
}

}  // namespace platform
