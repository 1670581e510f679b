#include "platform/core/sound/wave_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <limits>

namespace platform {
namespace {

// Samples go to the file as they lie in memory, and WAV is little-endian.
static_assert(std::endian::native == std::endian::little);

constexpr std::uint32_t kHeaderBytes = 44;
// The RIFF size counts the header after its first eight bytes.
constexpr std::uint32_t kMostDataBytes = std::numeric_limits<std::uint32_t>::max() - kHeaderBytes;
// Both sizes of a stream's header: the length is not known.
constexpr std::uint32_t kUnknownLength = 0xFFFFFFFF;

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
    : file_(std::move(fileName), "sound file", StandardStream::Output), format_(format) {
    std::uint32_t dataBytes = file_.seekable() ? 0 : kUnknownLength;
    file_.Write(Header(dataBytes));
}

WaveWriter::~WaveWriter() {
    Close();
}

void WaveWriter::Append(std::span<const std::int16_t> samples) {
    std::size_t bytes = samples.size_bytes();
    if (closed_) return;
    if (bytes > kMostDataBytes - dataBytes_) {
        full_ = true;
        return;
    }
    if (bytes == 0 || !file_.Write(samples.data(), bytes)) return;
    dataBytes_ += static_cast<std::uint32_t>(bytes);
    UpdateHeader();
}

void WaveWriter::AppendSilence(std::size_t samples) {
    static constexpr std::array<std::int16_t, 2048> kSilence{};
    for (std::size_t done = 0; done < samples; done += kSilence.size()) {
        Append(std::span(kSilence).first(std::min(kSilence.size(), samples - done)));
    }
}

bool WaveWriter::Close() {
    if (closed_) return !file_.failed();
    closed_ = true;
    if (file_.seekable() && headerDataBytes_ != dataBytes_) RewriteHeader();
    bool whole = file_.Close();
    if (whole && full_) {
        std::fprintf(stderr,
                     "farhaven: %s: the sound file is full at 4 GiB; the rest is left out\n",
                     fileName().c_str());
    }
    return whole;
}

// After every half second of sound, so that whatever block comes next,
// the header is never a whole second behind the samples in the file.
void WaveWriter::UpdateHeader() {
    std::uint32_t halfSecond = format_.rate * format_.channels * sizeof(std::int16_t) / 2;
    if (file_.seekable() && dataBytes_ - headerDataBytes_ >= halfSecond) RewriteHeader();
}

void WaveWriter::RewriteHeader() {
    if (file_.WriteAt(0, Header(dataBytes_))) headerDataBytes_ = dataBytes_;
}

// The canonical 44-byte header of PCM: a RIFF chunk with "fmt " and "data".
std::string WaveWriter::Header(std::uint32_t dataBytes) const {
    auto channels = static_cast<std::uint32_t>(format_.channels);
    auto rate = static_cast<std::uint32_t>(format_.rate);
    std::uint32_t blockAlign = channels * sizeof(std::int16_t);
    std::array<std::uint8_t, kHeaderBytes> header{};
    std::memcpy(header.data(), "RIFF", 4);
    Put32(&header[4], dataBytes == kUnknownLength ? kUnknownLength : kHeaderBytes - 8 + dataBytes);
    std::memcpy(&header[8], "WAVEfmt ", 8);
    Put32(&header[16], 16);
    Put16(&header[20], 1);  // PCM
    Put16(&header[22], channels);
    Put32(&header[24], rate);
    Put32(&header[28], rate * blockAlign);
    Put16(&header[32], blockAlign);
    Put16(&header[34], 16);
    std::memcpy(&header[36], "data", 4);
    Put32(&header[40], dataBytes);
    return std::string(reinterpret_cast<const char*>(header.data()), header.size());
}

}  // namespace platform
