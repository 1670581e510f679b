// Reading what a sound device plays: its mixer pulled by hand, as the audio
// output would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/api/sound.h"
#include "platform/core/sound_device.h"

// The shared mixing device under the api's device (both backends make one).
platform::MixingSoundDevice& Mixing(platform::SoundDevice& device);

// The next frames of the output, interleaved stereo.
std::vector<std::int16_t> Pull(platform::SoundDevice& device, std::size_t frames);

// A new buffer of the device holding bytes; fails the test when refused.
platform::SoundBuffer* LoadedBuffer(platform::SoundDevice& device,
                                    const platform::WaveFormat& format,
                                    const std::vector<std::uint8_t>& bytes);

// The largest magnitude among the samples.
int Peak(const std::vector<std::int16_t>& samples);
