// File names are UTF-8 throughout the game; std::filesystem takes a plain
// string in the system's code page, which on Windows may be another. These
// two say which it is, and are no conversion at all on POSIX systems.
#pragma once

#include <filesystem>
#include <string>

namespace platform {

inline std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string NameOf(const std::filesystem::path& path) {
    std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

}  // namespace platform
