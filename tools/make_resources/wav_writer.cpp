#include "wav_writer.h"

#include <string_view>

namespace resgen {

namespace {

void PutTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    for (const char c : tag) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
}

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFU));
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples,
                                    std::uint32_t sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(kWavHeaderSize + dataBytes);
    PutTag(out, "RIFF");
    PutLittle(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2);  // PCM
    PutLittle(out, kChannels, 2);
    PutLittle(out, sampleRate, 4);
    PutLittle(out, sampleRate * kChannels * kBytesPerSample, 4);
    PutLittle(out, kChannels * kBytesPerSample, 2);
    PutLittle(out, 8 * kBytesPerSample, 2);
    PutTag(out, "data");
    PutLittle(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittle(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

}  // namespace resgen
