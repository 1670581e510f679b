// What a sound buffer may hold, and how its samples become the mixer's: the
// buffer's own bytes are converted once, when they are committed, to 16-bit
// samples at the output's rate and channel count.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/api/codes.h"
#include "platform/api/sound.h"

namespace platform {

// The output the mixer writes: signed 16-bit native-endian samples,
// interleaved.
struct MixFormat {
    int rate = 44100;
    int channels = 2;
};
constexpr MixFormat kMixFormat{};

using Pcm = std::vector<std::int16_t>;

// A buffer bigger than this is refused: a damaged file may declare 4 GiB.
constexpr std::uint32_t kMaxSoundBufferBytes = 64u << 20;
// Converting needs working room of several times the buffer (a low rate and
// one channel become 44.1 kHz stereo); beyond this the buffer is refused too.
constexpr std::uint64_t kMaxConversionBytes = 256u << 20;
// The playback rates a buffer may have, as the old sound API allowed them.
constexpr std::uint32_t kMinSampleRate = 100;
constexpr std::uint32_t kMaxSampleRate = 200000;

// S_OK when a buffer of this description can be made and played;
// DSERR_BADFORMAT for a format the mixer cannot take (anything but 8- or
// 16-bit PCM with 1 to 8 channels), E_INVALIDARG for an empty buffer,
// E_OUTOFMEMORY for one too big.
HRESULT CheckSoundBuffer(const SoundBufferDescription& description, MixFormat output);

// The byte that a new buffer is filled with: silence in its format.
std::uint8_t SilenceByte(const WaveFormat& format);

// Converts the whole frames of bytes to the output format. The format must
// have passed CheckSoundBuffer. Fails with E_OUTOFMEMORY.
HRESULT ConvertSamples(const WaveFormat& format, std::span<const std::uint8_t> bytes,
                       MixFormat output, Pcm& samples);

}  // namespace platform
