// `--audio-out`: what the mixer produced, as a 16-bit PCM WAV file. The
// samples are written as they come, and the header's two sizes are brought
// up to date as they go, never a second behind, so that a game killed
// outright still leaves a file that plays to about its last second. A pipe or a
// device cannot be written twice: it gets a stream's header, whose sizes
// say "unknown length" as readers of WAV streams expect.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/core/os/output_file.h"
#include "platform/core/sound/sound_conversion.h"

namespace platform {

class WaveWriter {
public:
    // "-" writes to standard output. Throws BackendError("FILE: cannot write
    // the sound file (why)", 2).
    WaveWriter(std::string fileName, MixFormat format);
    // Closes the file if Close was not called.
    ~WaveWriter();
    WaveWriter(const WaveWriter&) = delete;
    WaveWriter& operator=(const WaveWriter&) = delete;

    const std::string& fileName() const { return file_.name(); }
    // At 4 GiB: nothing more goes in.
    bool full() const { return full_; }
    bool failed() const { return file_.failed(); }
    // Nothing has been written after the header.
    bool empty() const { return dataBytes_ == 0; }

    // Interleaved samples of whole frames in the writer's format.
    void Append(std::span<const std::int16_t> samples);
    void AppendSilence(std::size_t samples);
    // Finishes the header and closes the file; false when the file could
    // not be written in full (already said on standard error).
    bool Close();

private:
    std::string Header(std::uint32_t dataBytes) const;
    void UpdateHeader();
    void RewriteHeader();

    OutputFile file_;
    MixFormat format_;
    std::uint32_t dataBytes_ = 0;
    std::uint32_t headerDataBytes_ = 0;  // what the header on disk says
    bool full_ = false;                  // a WAV file holds at most 4 GiB
    bool closed_ = false;
};

}  // namespace platform
