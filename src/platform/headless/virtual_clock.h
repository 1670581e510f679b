// The headless clock: it moves only when the game waits, so every run with
// the same options and files is the same run.
#pragma once

#include <cstdint>

namespace platform {

class VirtualClock {
public:
    static constexpr std::uint32_t kStart = 1000;

    std::uint32_t Now() const { return now_; }
    void Set(std::uint32_t now) { now_ = now; }
    // A held clock ignores every advance (tests of what happens within one millisecond).
    void Hold(bool hold) { held_ = hold; }

    void Advance(std::uint32_t milliseconds) {
        if (!held_) now_ += milliseconds;
    }
    // Moves to the first display refresh strictly after now; refreshes fall at
    // floor(k * 1000 / 60) ms.
    void AdvanceToNextRefresh();

private:
    std::uint32_t now_ = kStart;
    bool held_ = false;
};

}  // namespace platform
