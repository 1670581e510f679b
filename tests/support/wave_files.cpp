#include "support/wave_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "platform/core/sound/sound_conversion.h"
#include "sound/wave_file.h"
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
    std::string bytes = ReadFile(file);
    ByteStream stream(bytes);
    std::optional<WaveSamples> found = FindWaveSamples(stream.get());
    std::vector<std::int16_t> samples;
    if (!found || found->format.channels != platform::kMixFormat.channels ||
        found->format.samplesPerSec != static_cast<std::uint32_t>(platform::kMixFormat.rate) ||
        found->dataSize != bytes.size() - 44) {
        ADD_FAILURE() << file << " is not a whole sound file in the mixer's format";
        return samples;
    }
    samples.resize(found->dataSize / 2);
    if (!samples.empty()) std::memcpy(samples.data(), bytes.data() + 44, found->dataSize);
    return samples;
}
