// The api's system calls: the clock and Sleep by the backend's clock, the debug
// channel, and the game's own paths turned into the system's.
#include "platform/api/system.h"
#include "platform/core/platform.h"

namespace platform {

std::uint32_t TimeGetTime() {
    return Current().backend().Now();
}

void Sleep(std::uint32_t milliseconds) {
    Platform& platform = Current();
    platform.EndIfStopped();
    platform.backend().Sleep(milliseconds);
}

// Both clocks count whole milliseconds; there is no coarser period to refine.
TimerCaps TimeGetDevCaps() {
    return {1, 1000000};
}
void TimeBeginPeriod(std::uint32_t /*period*/) {}
void TimeEndPeriod(std::uint32_t /*period*/) {}

void OutputDebugString(std::string_view text) {
    Current().debug().Write(text);
}

std::string TranslatePath(std::string_view gamePath) {
    std::string path(gamePath);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

File OpenFile(std::string_view gamePath) {
    return File(std::fopen(TranslatePath(gamePath).c_str(), "rb"));
}

}  // namespace platform
