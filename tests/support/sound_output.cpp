#include "support/sound_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

platform::MixingSoundDevice& Mixing(platform::SoundDevice& device) {
    return dynamic_cast<platform::MixingSoundDevice&>(device);
}

std::vector<std::int16_t> Pull(platform::SoundDevice& device, std::size_t frames) {
    std::vector<std::int16_t> out(frames * 2);
    Mixing(device).mixer().Mix(out.data(), frames);
    return out;
}

std::vector<std::int16_t> Heard(platform::SoundDevice& device, std::size_t frames) {
    std::size_t delay = Mixing(device).mixer().DelayFrames();
    std::vector<std::int16_t> out = Pull(device, delay + frames);
    out.erase(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(delay * 2));
    return out;
}

platform::SoundBuffer* LoadedBuffer(platform::SoundDevice& device, platform::WaveFormat format,
                                    const std::vector<std::uint8_t>& bytes) {
    platform::SoundBuffer* buffer = nullptr;
    auto size = static_cast<std::uint32_t>(bytes.size());
    EXPECT_EQ(device.CreateSoundBuffer({platform::DSBCAPS_STATIC, size, format}, buffer), 0);
    std::uint8_t* region = nullptr;
    if (buffer == nullptr || buffer->Lock(region, size) != 0) return nullptr;
    std::copy(bytes.begin(), bytes.end(), region);
    EXPECT_EQ(buffer->Unlock(region, size), 0);
    return buffer;
}

std::vector<std::uint8_t> Contents(platform::SoundBuffer& buffer) {
    std::uint8_t* region = nullptr;
    std::uint32_t bytes = 0;
    EXPECT_EQ(buffer.Lock(region, bytes), 0);
    std::vector<std::uint8_t> contents(region, region + bytes);
    buffer.Unlock(region, bytes);
    return contents;
}

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t sample : samples) peak = std::max(peak, std::abs(int{sample}));
    return peak;
}
