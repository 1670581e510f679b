// `--audio-out` in a headless run: the sound by the virtual clock. Every
// millisecond of the run has its samples in the file, the mixer's while a
// sound device is there and silence before and after, so the same key
// script gives the same file, byte for byte.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/core/sound/mixer.h"
#include "platform/core/sound/wave_writer.h"

namespace platform {

class ClockedSoundFile {
public:
    // Counts time from now. Throws BackendError when the file cannot be written.
    ClockedSoundFile(std::string fileName, std::uint32_t now);

    // Writes the sound up to now.
    void CatchUp(std::uint32_t now);
    bool full() const { return writer_.full(); }
    bool failed() const { return writer_.failed(); }
    // Writes the sound up to now and closes the file; false when it could
    // not be written in full.
    bool Finish(std::uint32_t now);
    // The mixer whose output is written from now on; nullptr for silence.
    void Attach(Mixer* mixer) { mixer_ = mixer; }
    const Mixer* attached() const { return mixer_; }

private:
    static constexpr std::size_t kBlockFrames = 1024;

    WaveWriter writer_;
    std::uint32_t caughtUpAt_;
    // Counted from the start rather than added up call by call, so that the
    // rounding of milliseconds to frames never drifts.
    std::uint64_t elapsedMs_ = 0;
    std::uint64_t framesWritten_ = 0;
    Mixer* mixer_ = nullptr;
    std::array<std::int16_t, kBlockFrames * kMixFormat.channels> block_{};
};

}  // namespace platform
