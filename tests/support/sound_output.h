// What a sound device plays, read by pulling its mixer as an output would.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/sound_device.h"

// What a refused request leaves in its out parameter: this, untouched.
inline platform::SoundBuffer* const kUntouched = reinterpret_cast<platform::SoundBuffer*>(0x1234);

// The shared mixing device under the api's device (both backends make one).
platform::MixingSoundDevice& Mixing(platform::SoundDevice& device);
// The next frames of the output, interleaved stereo.
std::vector<std::int16_t> Pull(platform::SoundDevice& device, std::size_t frames);
// The frames the voices make from now on, as they come out of the mixer's
// delay: the output of the next delay + frames, less its first delay frames.
std::vector<std::int16_t> Heard(platform::SoundDevice& device, std::size_t frames);
// A new buffer of the device filled with bytes; nullptr (and a failure) when refused.
platform::SoundBuffer* LoadedBuffer(platform::SoundDevice& device, platform::WaveFormat format,
                                    const std::vector<std::uint8_t>& bytes);
// The bytes the buffer holds.
std::vector<std::uint8_t> Contents(platform::SoundBuffer& buffer);
int Peak(const std::vector<std::int16_t>& samples);
