#include "platform/core/sound/sound_buffer.h"

#include "platform/core/sound/sound_conversion.h"
#include "platform/core/sound/sound_host.h"

namespace platform {

MixingSoundBuffer::MixingSoundBuffer(VoicePlayer& device, std::shared_ptr<SoundSamples> samples,
                                     const MixingSoundBuffer* origin)
    : device_(device), samples_(std::move(samples)), origin_(origin ? origin : this) {}

HRESULT MixingSoundBuffer::Lock(std::uint8_t*& region, std::uint32_t& bytes) {
    if (HRESULT failure = TheSoundHost().InjectedFailure("dsound.lock"); Failed(failure)) {
        return failure;
    }
    region = samples_->bytes.data();
    bytes = static_cast<std::uint32_t>(samples_->bytes.size());
    return S_OK;
}

// The whole buffer is converted, whatever length was written: the rest of it
// holds what was there before (silence in a new buffer).
HRESULT MixingSoundBuffer::Unlock(std::uint8_t* region, std::uint32_t bytes) {
    if (region != samples_->bytes.data() || bytes > samples_->bytes.size()) return E_INVALIDARG;
    if (!device_.audible()) return S_OK;
    auto converted = std::make_shared<Pcm>();
    HRESULT result =
        ConvertSamples(samples_->format, samples_->bytes, device_.mixFormat(), *converted);
    if (Failed(result)) return result;
    samples_->converted = std::move(converted);
    return S_OK;
}

HRESULT MixingSoundBuffer::SetCurrentPosition(std::uint32_t position) {
    if (position > samples_->bytes.size()) return E_INVALIDARG;
    position_ = position;
    return S_OK;
}

// A buffer that is already playing goes on. A play starts at the position set
// last; once it has ended the buffer stands at its start again, so a second
// Play plays it once more from the beginning.
HRESULT MixingSoundBuffer::Play() {
    if (Playing()) return S_OK;
    played_ = true;
    std::size_t start = StartSample();
    position_ = 0;
    voice_ = device_.StartVoice(*this, start);
    return S_OK;
}

// The position is a byte offset in the buffer's own format; the same moment
// in the converted samples, on a whole output frame.
std::size_t MixingSoundBuffer::StartSample() const {
    const Pcm* converted = samples_->converted.get();
    std::uint64_t frames = samples_->bytes.size() / samples_->format.blockAlign;
    if (converted == nullptr || frames == 0) return 0;
    auto channels = static_cast<std::uint64_t>(device_.mixFormat().channels);
    std::uint64_t convertedFrames = converted->size() / channels;
    std::uint64_t startFrame = position_ / samples_->format.blockAlign;
    return static_cast<std::size_t>(startFrame * convertedFrames / frames * channels);
}

}  // namespace platform
