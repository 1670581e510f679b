#include "support/wave_files.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>

platform::WaveFormat PcmFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    platform::WaveFormat format;
    format.formatTag = platform::WAVE_FORMAT_PCM;
    format.channels = channels;
    format.samplesPerSec = rate;
    format.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    format.avgBytesPerSec = rate * format.blockAlign;
    format.bitsPerSample = bits;
    return format;
}

std::vector<std::uint8_t> Samples16(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> bytes;
    for (std::int16_t sample : samples) {
        auto bits = static_cast<std::uint16_t>(sample);
        bytes.push_back(static_cast<std::uint8_t>(bits & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(bits >> 8));
    }
    return bytes;
}

WaveBuilder::WaveBuilder(const char* id) : bytes_(id, id + 4) {
    Put32(0);  // the total size, which no reader looks at
    for (char c : {'W', 'A', 'V', 'E'}) bytes_.push_back(static_cast<std::uint8_t>(c));
}

void WaveBuilder::Put32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

WaveBuilder& WaveBuilder::Format(const platform::WaveFormat& format, std::uint32_t chunkSize) {
    std::vector<std::uint8_t> body(chunkSize, 0);
    auto put = [&body](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) body.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(0, format.formatTag, 2);
    put(2, format.channels, 2);
    put(4, format.samplesPerSec, 4);
    put(8, format.avgBytesPerSec, 4);
    put(12, format.blockAlign, 2);
    put(14, format.bitsPerSample, 2);
    return Chunk("fmt ", body);
}

WaveBuilder& WaveBuilder::Chunk(const char* id, const std::vector<std::uint8_t>& body,
                                std::optional<std::uint32_t> declaredSize) {
    bytes_.insert(bytes_.end(), id, id + 4);
    Put32(declaredSize.value_or(static_cast<std::uint32_t>(body.size())));
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return *this;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "farhaven-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) throw std::runtime_error("cannot write " + file.string());
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    return file.string();
}
