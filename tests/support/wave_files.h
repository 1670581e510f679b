// RIFF/WAVE files made chunk by chunk (damaged ones too), and the sound
// files the program writes read back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/api/sound.h"

platform::WaveFormat PcmFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);
std::vector<std::uint8_t> Samples16(const std::vector<std::int16_t>& samples);  // little-endian

class WaveBuilder {
public:
    explicit WaveBuilder(const char* id = "RIFF");  // the 12-byte header
    // A "fmt " chunk of chunkSize bytes: the six fields, then zeros.
    WaveBuilder& Format(const platform::WaveFormat& format, std::uint32_t chunkSize = 16);
    // Declares the body's own size unless told otherwise.
    WaveBuilder& Chunk(const char* id, const std::vector<std::uint8_t>& body,
                       std::optional<std::uint32_t> declaredSize = std::nullopt);
    WaveBuilder& Data(const std::vector<std::uint8_t>& body,
                      std::optional<std::uint32_t> declaredSize = std::nullopt) {
        return Chunk("data", body, declaredSize);
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    void Put(std::uint32_t value, int bytes);
    std::vector<std::uint8_t> bytes_;
};

// The samples of a sound file the program wrote, once its header is found
// to be, byte for byte, the canonical one of a whole file in the mixer's
// format; empty, with a failure, when it is not.
std::vector<std::int16_t> SoundFileSamples(const std::filesystem::path& file);
