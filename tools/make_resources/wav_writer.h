// RIFF/WAVE files with the canonical 44-byte header, mono 16-bit PCM.
#pragma once

#include <cstdint>
#include <vector>

namespace resgen {

constexpr std::size_t kWavHeaderSize = 44;

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples,
                                    std::uint32_t sampleRate);

}  // namespace resgen
