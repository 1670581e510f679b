// The sound device: static buffers made from a wave format, copies that
// share their samples, and playing once.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/api/codes.h"
#include "platform/api/window.h"

namespace platform {

struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
};

constexpr std::uint16_t WAVE_FORMAT_PCM = 1;
constexpr std::uint32_t DSBCAPS_STATIC = 2;
constexpr std::uint32_t DSSCL_EXCLUSIVE = 3;

struct SoundBufferDescription {
    std::uint32_t flags = 0;
    std::uint32_t bufferBytes = 0;
    WaveFormat format;
};

// Owned by the device that made it; gone when the device is released.
class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;
    // The whole buffer as one writable region.
    virtual HRESULT Lock(std::uint8_t*& region, std::uint32_t& bytes) = 0;
    virtual HRESULT Unlock(std::uint8_t* region, std::uint32_t bytes) = 0;
    virtual HRESULT SetCurrentPosition(std::uint32_t position) = 0;
    // Plays once from the current position, not looped.
    virtual HRESULT Play() = 0;
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual HRESULT Compact() = 0;
    virtual HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t level) = 0;
    virtual HRESULT CreateSoundBuffer(const SoundBufferDescription& description,
                                      SoundBuffer*& buffer) = 0;
    // A copy sharing the source's samples, with its own position (at the
    // start) and play state.
    virtual HRESULT DuplicateSoundBuffer(SoundBuffer* source, SoundBuffer*& copy) = 0;
};

// The default output device.
HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device);

}  // namespace platform
