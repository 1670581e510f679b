#include "support/wave_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <sstream>

#include "platform/core/sound/sound_conversion.h"
#include "sound/wave_file.h"
#include "support/files.h"
#include "support/game_run.h"

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

std::size_t FramesReadByPython(const std::filesystem::path& file) {
    const char* script =
        "import struct, sys, wave\n"
        "header = struct.unpack('<4sI4s4sIHHIIHH4sI', open(sys.argv[1], 'rb').read(44))\n"
        "w = wave.open(sys.argv[1])\n"
        "print(*[f.decode() if isinstance(f, bytes) else f for f in header], '|',\n"
        "      w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes(),\n"
        "      w.getcomptype())\n";
    auto [code, said] =
        Output("python3 -c " + ShellQuote(script) + " " + ShellQuote(file.string()));
    // The canonical header of 16-bit PCM: RIFF, its size, WAVE, a 16-byte
    // "fmt " chunk of format 1, then "data" and the size of the samples.
    const std::size_t size = std::filesystem::file_size(file), headerBytes = 44;
    const std::size_t channels = platform::kMixFormat.channels, rate = platform::kMixFormat.rate;
    const std::size_t sampleBytes = sizeof(std::int16_t), frameBytes = channels * sampleBytes;
    const std::size_t frames = (size - headerBytes) / frameBytes;
    std::ostringstream expected;
    expected << "RIFF " << size - 8 << " WAVE fmt  16 1 " << channels << ' ' << rate << ' '
             << rate * frameBytes << ' ' << frameBytes << ' ' << 8 * sampleBytes << " data "
             << size - headerBytes << " | " << channels << ' ' << sampleBytes << ' ' << rate << ' '
             << frames << " NONE\n";
    EXPECT_EQ(std::tuple(code, said), std::tuple(0, expected.str())) << file;
    return code == 0 && said == expected.str() ? frames : 0;
}
