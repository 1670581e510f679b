// Windows speaks UTF-16 at its edges; the game keeps every name in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace platform {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The system's words for an error code (GetLastError), in English where
// Windows has them, so that a message reads as on any player's machine.
std::string SystemMessage(unsigned long error);

}  // namespace platform
