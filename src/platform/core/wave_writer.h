// `--audio-out`: what the mixer produced, as a 16-bit PCM WAV file. The
// samples are written as they come; the header's two sizes are filled in
// when the writer goes, which every way out of the game passes through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/api/system.h"
#include "platform/core/sound_conversion.h"

namespace platform {

class WaveWriter {
public:
    // Throws BackendError("FILE: cannot write the sound file (why)", 2).
    WaveWriter(std::string fileName, MixFormat format);
    // Finishes the header; says on standard error when the file is not whole.
    ~WaveWriter();
    WaveWriter(const WaveWriter&) = delete;
    WaveWriter& operator=(const WaveWriter&) = delete;

    const std::string& fileName() const { return fileName_; }
    // At 4 GiB: nothing more goes in.
    bool full() const { return full_; }

    // Interleaved samples of whole frames in the writer's format.
    void Append(std::span<const std::int16_t> samples);
    void AppendSilence(std::size_t samples);

private:
    void WriteHeader();

    std::string fileName_;
    File file_;
    MixFormat format_;
    std::uint32_t dataBytes_ = 0;
    bool writeFailed_ = false;
    bool full_ = false;  // a WAV file holds at most 4 GiB
};

}  // namespace platform
