// Walking the chunks of a RIFF/WAVE file to its sample data.
#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>

#include "platform/api/sound.h"

struct WaveSamples {
    platform::WaveFormat format;  // the six fields of the "fmt " chunk
    std::uint32_t dataSize = 0;   // as the "data" chunk declares it
};

// Reads from the start of the file up to the first sample byte, where it
// leaves the file. Nothing when the file ends first, or when its "data"
// chunk does not follow a whole "fmt " chunk: there is then no format to
// play the samples in.
std::optional<WaveSamples> FindWaveSamples(std::FILE* file);
