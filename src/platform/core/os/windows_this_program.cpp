// The running program on Windows: its module's path, the wide environment.
#include "platform/core/os/this_program.h"

#include <windows.h>

#include "platform/api/system.h"
#include "platform/core/os/windows_wide.h"

namespace platform {

std::uint32_t ProcessId() {
    return static_cast<std::uint32_t>(GetCurrentProcessId());
}

std::string EnvironmentVariable(const char* name) {
    std::wstring wideName = Widen(name);
    DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    size = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
    value.resize(size);
    return Narrow(value);
}

// GetModuleFileNameW cuts a path that does not fit, so the buffer grows
// until the whole path does.
std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace platform
