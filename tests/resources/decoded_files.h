// The generator's output read back the way a game or a player's tools
// would read it, by a reader of the tests' own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources.h"

namespace resources_test {

// Everything the generator makes, made once for the whole test program.
const std::vector<resgen::GameFile>& GeneratedFiles();
const std::vector<std::uint8_t>& FileBytes(const std::string& path);

struct Area {
    int x;
    int y;
    int width;
    int height;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::uint8_t imageType = 0;
    std::uint8_t depth = 0;
    std::uint8_t descriptor = 0;
    std::vector<std::uint16_t> pixels;  // top row first

    std::uint16_t At(int x, int y) const {
        return pixels.at(static_cast<std::size_t>(y * width + x));
    }
    bool Keyed(int x, int y) const { return (At(x, y) & 0x7FFF) == 0; }
};

// 0-31 per channel.
int Red(std::uint16_t pixel);
int Green(std::uint16_t pixel);
int Blue(std::uint16_t pixel);
int Brightest(std::uint16_t pixel);

// Throws when the header is not an uncompressed 16-bit true-colour one or
// the file is too short for its pixels.
Picture DecodeTga(const std::vector<std::uint8_t>& bytes);
Picture PictureFile(const std::string& name);

double SolidShare(const Picture& picture, const Area& area);
// The share of the one-pixel ring just inside the area that is key black.
double KeyedRingShare(const Picture& picture, const Area& area);

struct Wave {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t riffSize = 0;
    std::uint32_t dataSize = 0;
    std::vector<double> samples;  // -1 to 1

    double Seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

// Expects the canonical 44-byte header; throws on anything else.
Wave DecodeWav(const std::vector<std::uint8_t>& bytes);
Wave SoundFile(const std::string& name);

}  // namespace resources_test
