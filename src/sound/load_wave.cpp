// Loading a WAV file into one static sound buffer holding the whole sound.
#include <algorithm>
#include <cstdio>
#include <optional>

#include "common/exceptions.h"
#include "platform/api/system.h"
#include "sound/sound_manager.h"
#include "sound/wave_file.h"

namespace {

// The wave-format record's own size goes in its extra-size field.
constexpr std::uint16_t kWaveFormatRecordBytes = 18;

platform::SoundBufferDescription DescribeBuffer(const WaveSamples& samples) {
    platform::SoundBufferDescription description;
    description.flags = platform::DSBCAPS_STATIC;
    description.bufferBytes = samples.dataSize;
    description.format = samples.format;
    description.format.extraSize = kWaveFormatRecordBytes;
    return description;
}

}  // namespace

bool SoundManager::LoadWave(const char* path, platform::SoundBuffer*& buffer) {
    platform::File file = platform::OpenFile(path);
    if (!file) return false;
    std::optional<WaveSamples> samples = FindWaveSamples(file.get());
    if (!samples) return false;

    // Without a device there is nobody to make the buffer: refused.
    if (!device || platform::Failed(device->CreateSoundBuffer(DescribeBuffer(*samples), buffer))) {
        return false;
    }
    std::uint8_t* region = nullptr;
    std::uint32_t regionBytes = 0;
    platform::HRESULT result = buffer->Lock(region, regionBytes);
    if (platform::Failed(result)) throw new direct_exception(result);
    // A file that ends inside its samples leaves the rest of the buffer as
    // the device made it: silent. How much was read does not matter then.
    [[maybe_unused]] std::size_t got =
        std::fread(region, 1, std::min(samples->dataSize, regionBytes), file.get());
    buffer->Unlock(region, samples->dataSize);
    file.reset();
    buffer->SetCurrentPosition(0);
    return true;
}
