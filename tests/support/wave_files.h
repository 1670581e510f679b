// RIFF/WAVE files made by hand, chunk by chunk, in a temporary folder, so
// that tests can also make the damaged ones.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/api/sound.h"

platform::WaveFormat PcmFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);

// Little-endian 16-bit samples as bytes.
std::vector<std::uint8_t> Samples16(const std::vector<std::int16_t>& samples);

class WaveBuilder {
public:
    // The 12-byte header; id is "RIFF" in a sound file.
    explicit WaveBuilder(const char* id = "RIFF");
    // A "fmt " chunk of the given size: the six fields, then zeros.
    WaveBuilder& Format(const platform::WaveFormat& format, std::uint32_t chunkSize = 16);
    // Any chunk; its declared size is that of the body unless given.
    WaveBuilder& Chunk(const char* id, const std::vector<std::uint8_t>& body,
                       std::optional<std::uint32_t> declaredSize = std::nullopt);
    WaveBuilder& Data(const std::vector<std::uint8_t>& body,
                      std::optional<std::uint32_t> declaredSize = std::nullopt) {
        return Chunk("data", body, declaredSize);
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    void Put32(std::uint32_t value);
    std::vector<std::uint8_t> bytes_;
};

// A folder of its own under the system's temporary folder, removed at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes the file and returns its path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path path_;
};
