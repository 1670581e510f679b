#include "sound/wave_file.h"

#include <array>
#include <cstring>

namespace {

constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::uint32_t kFormatFieldBytes = 16;

template <std::size_t N>
using Bytes = std::array<std::uint8_t, N>;

// A read that comes up short has run into the end of the file.
template <std::size_t N>
bool ReadExactly(std::FILE* file, Bytes<N>& bytes) {
    return std::fread(bytes.data(), 1, N, file) == N;
}

std::uint16_t Little16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t Little32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

bool IdIs(const Bytes<kChunkHeaderBytes>& header, const char (&id)[5]) {
    return std::memcmp(header.data(), id, 4) == 0;
}

bool ReadFormat(std::FILE* file, platform::WaveFormat& format) {
    Bytes<kFormatFieldBytes> fields;
    if (!ReadExactly(file, fields)) return false;
    format.formatTag = Little16(&fields[0]);
    format.channels = Little16(&fields[2]);
    format.samplesPerSec = Little32(&fields[4]);
    format.avgBytesPerSec = Little32(&fields[8]);
    format.blockAlign = Little16(&fields[12]);
    format.bitsPerSample = Little16(&fields[14]);
    return true;
}

// A skip past the end of the file is allowed; the next read finds the end.
void Skip(std::FILE* file, std::uint32_t bytes) {
    std::fseek(file, static_cast<long>(bytes), SEEK_CUR);
}

}  // namespace

std::optional<WaveSamples> FindWaveSamples(std::FILE* file) {
    Bytes<kRiffHeaderBytes> riff;  // neither its id nor its form type is compared
    if (!ReadExactly(file, riff)) return std::nullopt;
    WaveSamples found;
    bool haveFormat = false;
    Bytes<kChunkHeaderBytes> chunk;
    while (ReadExactly(file, chunk)) {
        std::uint32_t size = Little32(&chunk[4]);
        if (IdIs(chunk, "fmt ")) {
            haveFormat = ReadFormat(file, found.format);
            if (!haveFormat) return std::nullopt;
            if (size > kFormatFieldBytes) Skip(file, size - kFormatFieldBytes);
        } else if (IdIs(chunk, "data")) {
            if (!haveFormat) return std::nullopt;
            found.dataSize = size;
            return found;
        } else {
            Skip(file, size);
        }
    }
    return std::nullopt;
}
