// The game as a whole: start-up, the frame loop, shutdown.
#pragma once

#include <cstdint>

// Returns the process exit code. The platform must be installed.
std::int32_t WinMain(const char* programPath);
