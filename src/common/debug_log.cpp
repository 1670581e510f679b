#include "common/debug_log.h"

#include <cstdarg>
#include <cstdio>

#include "platform/api/system.h"

bool DebugLog(const char* format, ...) {
    char buffer[512] = {};
    va_list arguments;
    va_start(arguments, format);
    // vsnprintf never writes past the buffer: a longer line is cut at 511 characters.
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    platform::OutputDebugString(buffer);
    platform::OutputDebugString("\n");
    return false;
}
