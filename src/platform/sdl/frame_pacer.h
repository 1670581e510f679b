// Keeps the flips at 60 a second on every display. Every motion of the game
// is a fixed number of pixels per frame, so the pace of the flips is the
// speed of the game. A 60 Hz display with working vsync paces by itself; on
// any other the flip first sleeps to the next 60 Hz tick (a faster display
// then shows the frame at its first refresh after the tick).
#pragma once

#include <chrono>

namespace platform {

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kTick = std::chrono::nanoseconds(16'666'667);
    // A late frame is made up by the next ones, but no two flips come closer
    // than this: a player sees a frame that is rushed as a stutter too.
    static constexpr Clock::duration kShortestInterval = std::chrono::milliseconds(12);

    // refreshRate in Hz, 0 when unknown (as under a virtual X server).
    FramePacer(bool vsync, int refreshRate);

    // Sleeps to the next tick unless vsync paces the flips.
    void BeforePresent();
    // Moves the tick on, and notices a vsync that does not really wait.
    void AfterPresent() { AfterPresent(Clock::now()); }

    // The two steps by the clock's readings, for tests.
    Clock::time_point WakeTime() const;
    void AfterPresent(Clock::time_point now);

    bool vsyncPaces() const { return vsyncPaces_; }

private:
    bool vsyncPaces_;
    Clock::time_point nextTick_{};
    Clock::time_point lastPresent_{};
    int quickPresents_ = 0;
};

}  // namespace platform
