// The running program on POSIX systems: /proc, the auxiliary vector, getenv.
#include "platform/core/os/this_program.h"

#include <sys/auxv.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/api/system.h"

namespace platform {

std::uint32_t ProcessId() {
    return static_cast<std::uint32_t>(::getpid());
}

std::string EnvironmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
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
