#include "support/sound_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

platform::MixingSoundDevice& Mixing(platform::SoundDevice& device) {
    return dynamic_cast<platform::MixingSoundDevice&>(device);
}

std::vector<std::int16_t> Pull(platform::SoundDevice& device, std::size_t frames) {
    platform::Mixer& mixer = Mixing(device).mixer();
    std::vector<std::int16_t> out(frames * static_cast<std::size_t>(mixer.format().channels));
    mixer.Mix(out.data(), frames);
    return out;
}

platform::SoundBuffer* LoadedBuffer(platform::SoundDevice& device,
                                    const platform::WaveFormat& format,
                                    const std::vector<std::uint8_t>& bytes) {
    platform::SoundBufferDescription description;
    description.flags = platform::DSBCAPS_STATIC;
    description.bufferBytes = static_cast<std::uint32_t>(bytes.size());
    description.format = format;
    platform::SoundBuffer* buffer = nullptr;
    EXPECT_EQ(device.CreateSoundBuffer(description, buffer), platform::S_OK);
    if (buffer == nullptr) return nullptr;
    std::uint8_t* region = nullptr;
    std::uint32_t regionBytes = 0;
    EXPECT_EQ(buffer->Lock(region, regionBytes), platform::S_OK);
    EXPECT_EQ(regionBytes, bytes.size());
    std::memcpy(region, bytes.data(), std::min<std::size_t>(regionBytes, bytes.size()));
    EXPECT_EQ(buffer->Unlock(region, regionBytes), platform::S_OK);
    return buffer;
}

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t sample : samples) peak = std::max(peak, std::abs(int{sample}));
    return peak;
}
