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

// Owned by the device that made it; gone when the device is released. A new
// buffer holds silence. A copy that has played to its end is freed by the
// device at the next request made of it: keep no pointer to a copy after
// starting it.
class SoundBuffer {
public:
    virtual ~SoundBuffer() = default;
    // The whole buffer as one writable region.
    virtual HRESULT Lock(std::uint8_t*& region, std::uint32_t& bytes) = 0;
    // Commits the samples (they are prepared for playing here, once).
    virtual HRESULT Unlock(std::uint8_t* region, std::uint32_t bytes) = 0;
    // A byte offset where the next play starts.
    virtual HRESULT SetCurrentPosition(std::uint32_t position) = 0;
    // Plays once from the current position, not looped; a buffer that is
    // playing goes on. Once it has ended it stands at its start again.
    virtual HRESULT Play() = 0;
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual HRESULT Compact() = 0;
    virtual HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t level) = 0;
    // 8- or 16-bit PCM, 1 to 8 channels, 100 to 200,000 samples a second,
    // at most 64 MiB; otherwise refused (DSERR_BADFORMAT, E_INVALIDARG for an
    // empty buffer, E_OUTOFMEMORY) and buffer is left as it was.
    virtual HRESULT CreateSoundBuffer(const SoundBufferDescription& description,
                                      SoundBuffer*& buffer) = 0;
    // A copy sharing the source's samples, with its own position (at the
    // start) and play state. Refused for a buffer it did not make, leaving
    // copy as it was.
    virtual HRESULT DuplicateSoundBuffer(SoundBuffer* source, SoundBuffer*& copy) = 0;
    // Holds every sound that is playing where it is, in silence, until let
    // go, when each goes on from there (a paused game).
    virtual HRESULT HoldAll(bool hold) = 0;
};

// The default output device; a silent one where the machine has no output.
HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device);

}  // namespace platform
