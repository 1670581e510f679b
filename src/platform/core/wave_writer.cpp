#include "platform/core/wave_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#include "platform/core/backend.h"

namespace platform {
namespace {

// Samples go to the file as they lie in memory, and WAV is little-endian.
static_assert(std::endian::native == std::endian::little);

constexpr int kBadSoundFileExitCode = 2;
constexpr std::uint32_t kHeaderBytes = 44;
// The RIFF size counts the header after its first eight bytes.
constexpr std::uint32_t kMostDataBytes = std::numeric_limits<std::uint32_t>::max() - kHeaderBytes;

void Put16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t value) {
    Put16(at, value);
    Put16(at + 2, value >> 16);
}

}  // namespace

WaveWriter::WaveWriter(std::string fileName, MixFormat format)
    : fileName_(std::move(fileName)), file_(std::fopen(fileName_.c_str(), "wb")), format_(format) {
    if (!file_) {
        throw BackendError(
            fileName_ + ": cannot write the sound file (" + std::strerror(errno) + ")",
            kBadSoundFileExitCode);
    }
    WriteHeader();
}

WaveWriter::~WaveWriter() {
    WriteHeader();
    bool closed = std::fclose(file_.release()) == 0;
    if (writeFailed_ || !closed) {
        std::fprintf(stderr, "farhaven: %s: the sound file could not be written in full\n",
                     fileName_.c_str());
    } else if (full_) {
        std::fprintf(stderr,
                     "farhaven: %s: the sound file is full at 4 GiB; the rest is left out\n",
                     fileName_.c_str());
    }
}

void WaveWriter::Append(std::span<const std::int16_t> samples) {
    std::size_t bytes = samples.size_bytes();
    if (bytes > kMostDataBytes - dataBytes_) {
        full_ = true;
        return;
    }
    if (bytes > 0 && std::fwrite(samples.data(), bytes, 1, file_.get()) != 1) writeFailed_ = true;
    dataBytes_ += static_cast<std::uint32_t>(bytes);
}

void WaveWriter::AppendSilence(std::size_t samples) {
    static constexpr std::array<std::int16_t, 2048> kSilence{};
    for (std::size_t done = 0; done < samples; done += kSilence.size()) {
        Append(std::span(kSilence).first(std::min(kSilence.size(), samples - done)));
    }
}

// The canonical 44-byte header of PCM: a RIFF chunk with "fmt " and "data".
void WaveWriter::WriteHeader() {
    auto channels = static_cast<std::uint32_t>(format_.channels);
    auto rate = static_cast<std::uint32_t>(format_.rate);
    std::uint32_t blockAlign = channels * sizeof(std::int16_t);
    std::array<std::uint8_t, kHeaderBytes> header{};
    std::memcpy(header.data(), "RIFF", 4);
    Put32(&header[4], kHeaderBytes - 8 + dataBytes_);
    std::memcpy(&header[8], "WAVEfmt ", 8);
    Put32(&header[16], 16);
    Put16(&header[20], 1);  // PCM
    Put16(&header[22], channels);
    Put32(&header[24], rate);
    Put32(&header[28], rate * blockAlign);
    Put16(&header[32], blockAlign);
    Put16(&header[34], 16);
    std::memcpy(&header[36], "data", 4);
    Put32(&header[40], dataBytes_);
    std::FILE* file = file_.get();
    if (std::fseek(file, 0, SEEK_SET) != 0 ||
        std::fwrite(header.data(), header.size(), 1, file) != 1 ||
        std::fseek(file, 0, SEEK_END) != 0) {
        writeFailed_ = true;
    }
}

}  // namespace platform
