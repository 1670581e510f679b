#include "platform/api/system.h"

#include <filesystem>
#include <system_error>

#include "platform/core/platform.h"

namespace platform {

std::uint32_t TimeGetTime() { return Current().backend().Now(); }

void Sleep(std::uint32_t milliseconds) { Current().backend().Sleep(milliseconds); }

// Both clocks count whole milliseconds; there is no coarser period to refine.
TimerCaps TimeGetDevCaps() { return {1, 1000000}; }
void TimeBeginPeriod(std::uint32_t /*period*/) {}
void TimeEndPeriod(std::uint32_t /*period*/) {}

void OutputDebugString(std::string_view text) { Current().debug().Write(text); }

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

std::string ExecutablePath() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : path.string();
}

}  // namespace platform
