#include "platform/api/system.h"

#include <sys/auxv.h>

#include <filesystem>
#include <system_error>

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

// The path the program was started by, when it names the running program:
// a link to the program in another folder makes that folder the program's
// own, with its own control file (the installed game is started this way
// from the player's folder). Otherwise the program's real place.
std::string ExecutablePath() {
    std::error_code error;
    std::filesystem::path real = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const auto* startedAs = reinterpret_cast<const char*>(::getauxval(AT_EXECFN));
    if (startedAs != nullptr) {
        std::filesystem::path named = std::filesystem::absolute(startedAs, error);
        if (!error && std::filesystem::equivalent(named, real, error)) {
            return named.lexically_normal().string();
        }
    }
    return real.string();
}

}  // namespace platform
