#include "platform/core/sound/sound_device.h"

#include <algorithm>
#include <new>

#include "platform/api/system.h"
#include "platform/core/sound/sound_host.h"

namespace platform {
namespace {
constexpr std::uint32_t kHighestCooperativeLevel = 4;  // write-primary
}  // namespace

MixingSoundDevice::MixingSoundDevice(MixFormat format, SoundOutput output)
    : output_(output), mixer_(format) {}

HRESULT MixingSoundDevice::SetCooperativeLevel(WindowHandle /*window*/, std::uint32_t level) {
    HRESULT failure = TheSoundHost().InjectedFailure("dsound.cooperative");
    if (Failed(failure)) return failure;
    // The output is shared with the rest of the desktop whatever the level.
    return level >= 1 && level <= kHighestCooperativeLevel ? S_OK : E_INVALIDARG;
}

HRESULT MixingSoundDevice::CreateSoundBuffer(const SoundBufferDescription& description,
                                             SoundBuffer*& buffer) {
    CatchUp();
    FreeSpentCopies();
    NoteDescription(description);
    HRESULT result = TheSoundHost().InjectedFailure("dsound.buffer");
    if (Failed(result)) return result;
    result = CheckSoundBuffer(description, mixer_.format());
    if (Failed(result)) return result;
    try {
        auto samples = std::make_shared<SoundSamples>();
        samples->format = description.format;
        samples->bytes.assign(description.bufferBytes, SilenceByte(description.format));
        buffers_.push_back(std::make_unique<MixingSoundBuffer>(*this, std::move(samples), nullptr));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    buffer = buffers_.back().get();
    return S_OK;
}

HRESULT MixingSoundDevice::DuplicateSoundBuffer(SoundBuffer* source, SoundBuffer*& copy) {
    CatchUp();
    FreeSpentCopies();
    const MixingSoundBuffer* original = Find(source);
    if (original == nullptr) return E_INVALIDARG;
    try {
        buffers_.push_back(
            std::make_unique<MixingSoundBuffer>(*this, original->samples(), &original->origin()));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    copy = buffers_.back().get();
    return S_OK;
}

// A device whose samples go by a clock starts the voice at the moment of the
// play, not at the last request.
std::shared_ptr<Voice> MixingSoundDevice::StartVoice(const MixingSoundBuffer& buffer,
                                                     std::size_t start) {
    CatchUp();
    NotePlay(buffer);
    const std::shared_ptr<const Pcm>& converted = buffer.samples()->converted;
    if (!audible() || !converted) return nullptr;
    auto voice = std::make_shared<Voice>(converted, start);
    mixer_.Start(voice);
    return voice;
}

void MixingSoundDevice::FreeSpentCopies() {
    mixer_.DropFinished();
    std::erase_if(buffers_, [](const auto& buffer) { return buffer->Spent(); });
}

MixingSoundBuffer* MixingSoundDevice::Find(const SoundBuffer* buffer) const {
    if (buffer == nullptr) return nullptr;
    auto found = std::find_if(buffers_.begin(), buffers_.end(),
                              [buffer](const auto& owned) { return owned.get() == buffer; });
    return found == buffers_.end() ? nullptr : found->get();
}

std::unique_ptr<MixingSoundDevice> SilentSound::MakeDevice(const std::string& why) {
    if (!reported_) {
        OutputDebugString("no audio output: sound is silent (" + why + ")\n");
        reported_ = true;
    }
    return std::make_unique<MixingSoundDevice>(kMixFormat, SoundOutput::Silent);
}

// The api's factory hands over to the backend in use.
HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) {
    return TheSoundHost().CreateSoundDevice(device);
}

}  // namespace platform
