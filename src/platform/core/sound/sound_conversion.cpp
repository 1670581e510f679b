#include "platform/core/sound/sound_conversion.h"

#include <SDL2/SDL_audio.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace platform {
namespace {

SDL_AudioFormat SampleFormat(const WaveFormat& format) {
    return format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
}

bool BuildConversion(const WaveFormat& format, MixFormat output, SDL_AudioCVT& conversion) {
    return SDL_BuildAudioCVT(&conversion, SampleFormat(format), static_cast<Uint8>(format.channels),
                             static_cast<int>(format.samplesPerSec), AUDIO_S16SYS,
                             static_cast<Uint8>(output.channels), output.rate) >= 0;
}

bool FormatIsPlayable(const WaveFormat& format) {
    if (format.formatTag != WAVE_FORMAT_PCM) return false;
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) return false;
    if (format.channels < 1 || format.channels > 8) return false;
    if (format.samplesPerSec < kMinSampleRate || format.samplesPerSec > kMaxSampleRate) {
        return false;
    }
    return format.blockAlign == format.channels * format.bitsPerSample / 8;
}

}  // namespace

HRESULT CheckSoundBuffer(const SoundBufferDescription& description, MixFormat output) {
    if (!FormatIsPlayable(description.format)) return DSERR_BADFORMAT;
    if (description.bufferBytes == 0) return E_INVALIDARG;
    if (description.bufferBytes > kMaxSoundBufferBytes) return E_OUTOFMEMORY;
    SDL_AudioCVT conversion;
    if (!BuildConversion(description.format, output, conversion)) return DSERR_BADFORMAT;
    std::uint64_t workingBytes =
        std::uint64_t{description.bufferBytes} * static_cast<std::uint64_t>(conversion.len_mult);
    return workingBytes > kMaxConversionBytes ? E_OUTOFMEMORY : S_OK;
}

std::uint8_t SilenceByte(const WaveFormat& format) {
    return format.bitsPerSample == 8 ? 0x80 : 0x00;
}

HRESULT ConvertSamples(const WaveFormat& format, std::span<const std::uint8_t> bytes,
                       MixFormat output, Pcm& samples) {
    SDL_AudioCVT conversion;
    if (!BuildConversion(format, output, conversion)) return DSERR_BADFORMAT;
    // A trailing partial frame is not a sample anyone can hear.
    std::size_t wholeBytes = bytes.size() - bytes.size() % format.blockAlign;
    samples.clear();
    if (wholeBytes == 0) return S_OK;
    try {
        std::vector<std::uint8_t> work(wholeBytes * static_cast<std::size_t>(conversion.len_mult));
        std::copy_n(bytes.begin(), wholeBytes, work.begin());
        conversion.buf = work.data();
        conversion.len = static_cast<int>(wholeBytes);
        if (SDL_ConvertAudio(&conversion) != 0) return E_OUTOFMEMORY;
        samples.resize(static_cast<std::size_t>(conversion.len_cvt) / sizeof(std::int16_t));
        if (!samples.empty()) {
            std::memcpy(samples.data(), work.data(), samples.size() * sizeof(std::int16_t));
        }
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

}  // namespace platform
