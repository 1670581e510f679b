// The readers under test open files by name: each input is written to a
// file of this process first.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

inline std::string WriteFuzzInput(const std::uint8_t* data, std::size_t size, const char* suffix) {
    std::string path = "/tmp/farhaven-fuzz-" + std::to_string(::getpid()) + suffix;
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}
