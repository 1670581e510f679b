// The game's trace: formatted lines on the debug channel.
#pragma once

// Formats like printf (a text longer than 511 characters is cut), writes it
// and then a line end as a separate write. Always false, so that a routine
// can log a failure and return false in one statement.
bool DebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
