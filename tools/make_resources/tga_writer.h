// Uncompressed 16-bit true-colour TGA, the one kind the game reads.
#pragma once

#include <cstdint>
#include <vector>

#include "image16.h"

namespace resgen {

constexpr std::size_t kTgaHeaderSize = 18;
constexpr std::uint8_t kTgaTrueColour = 2;
constexpr std::uint8_t kTgaTopLeftOrigin = 0x20;

// The file's bytes: an 18-byte header (no ID, no colour map, type 2, depth
// 16, top-left origin) and the pixels little-endian, top row first.
std::vector<std::uint8_t> EncodeTga(const Image16& image);

}  // namespace resgen
