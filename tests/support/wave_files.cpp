#include "support/wave_files.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/core/sound/sound_conversion.h"
#include "support/files.h"

platform::WaveFormat PcmFormat(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    auto blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    return {platform::WAVE_FORMAT_PCM, channels, rate, rate * blockAlign, blockAlign, bits, 0};
}

std::vector<std::uint8_t> Samples16(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> bytes;
    for (std::int16_t sample : samples) {
        bytes.push_back(static_cast<std::uint8_t>(sample & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xFF));
    }
    return bytes;
}

WaveBuilder::WaveBuilder(const char* id) : bytes_(id, id + 4) {
    Put(0, 4);  // the total size, which no reader looks at
    for (char c : {'W', 'A', 'V', 'E'}) bytes_.push_back(static_cast<std::uint8_t>(c));
}

void WaveBuilder::Put(std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

WaveBuilder& WaveBuilder::Format(const platform::WaveFormat& format, std::uint32_t chunkSize) {
    Chunk("fmt ", {}, chunkSize);
    Put(format.formatTag, 2);
    Put(format.channels, 2);
    Put(format.samplesPerSec, 4);
    Put(format.avgBytesPerSec, 4);
    Put(format.blockAlign, 2);
    Put(format.bitsPerSample, 2);
    bytes_.resize(bytes_.size() + (chunkSize > 16 ? chunkSize - 16 : 0), 0);
    return *this;
}

WaveBuilder& WaveBuilder::Chunk(const char* id, const std::vector<std::uint8_t>& body,
                                std::optional<std::uint32_t> declaredSize) {
    bytes_.insert(bytes_.end(), id, id + 4);
    Put(declaredSize.value_or(static_cast<std::uint32_t>(body.size())), 4);
    bytes_.insert(bytes_.end(), body.begin(), body.end());
    return *this;
}

std::vector<std::int16_t> SoundFileSamples(const std::filesystem::path& file) {
    const std::string bytes = ReadFile(file);
    const auto size = static_cast<std::uint32_t>(bytes.size());
    // The canonical header of 16-bit PCM, byte for byte: RIFF and the size
    // after it, a 16-byte "fmt " chunk of the mixer's format, then "data"
    // and the size of the samples, which fill the rest of the file.
    std::vector<std::uint8_t> header =
        WaveBuilder()
            .Format(PcmFormat(platform::kMixFormat.channels, platform::kMixFormat.rate, 16))
            .Data({}, size - 44)
            .bytes();
    for (int i = 0; i < 4; ++i) header[4 + i] = static_cast<std::uint8_t>((size - 8) >> (8 * i));
    if (bytes.substr(0, 44) != std::string(header.begin(), header.end())) {
        ADD_FAILURE() << file << " is not a whole sound file in the mixer's format";
        return {};
    }
    std::vector<std::int16_t> samples((size - 44) / 2);
    if (!samples.empty()) std::memcpy(samples.data(), bytes.data() + 44, samples.size() * 2);
    return samples;
}
