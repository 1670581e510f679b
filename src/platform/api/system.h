// Clock, sleep, the debug channel and files.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Milliseconds, unsigned 32-bit, wrapping after about 49.7 days.
std::uint32_t TimeGetTime();
void Sleep(std::uint32_t milliseconds);

struct TimerCaps {
    std::uint32_t periodMin = 0;
    std::uint32_t periodMax = 0;
};
TimerCaps TimeGetDevCaps();
void TimeBeginPeriod(std::uint32_t period);
void TimeEndPeriod(std::uint32_t period);

// The debug channel: the text goes out as it stands (no line end added).
void OutputDebugString(std::string_view text);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The game names its files with backslashes; they are turned into slashes.
std::string TranslatePath(std::string_view gamePath);
// Opens a file by the game's own path for reading raw bytes; empty when it cannot.
File OpenFile(std::string_view gamePath);

// The running program's own path, as it was started (a link to it counts as
// its place), or empty where it cannot be found.
std::string ExecutablePath();

// The folder whose control file the game reads, for a program in
// programFolder: that folder, but for a game an installer put in place on a
// system with a folder for the player's files, that folder, given a copy of
// the control file beside the program the first time. Throws BackendError
// (platform/api/start.h) naming the files when the copy cannot be made.
std::string ControlFileFolder(const std::string& programFolder);

}  // namespace platform
