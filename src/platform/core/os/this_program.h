// The running program as the system knows it. Its path is the api's
// ExecutablePath (platform/api/system.h), made here too.
//
// This header is the same on every system; the calls behind it are in
// the posix_ and windows_ files beside it.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The process's number, for names that no other running game takes.
std::uint32_t ProcessId();

// The value of an environment variable, or empty when it is not set.
std::string EnvironmentVariable(const char* name);

}  // namespace platform
