// A sound buffer of the mixing device: its own bytes as the game wrote them,
// their conversion to the output format, a play position and a play state.
// A copy shares the bytes and the conversion with the buffer it was made
// from and has a position and a play state of its own.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/api/sound.h"
#include "platform/core/sound/mixer.h"

namespace platform {

class MixingSoundBuffer;

// Where a buffer's plays go: the device that made it.
class VoicePlayer {
public:
    // Whether anything can be heard: a silent device converts nothing.
    virtual bool audible() const = 0;
    virtual MixFormat mixFormat() const = 0;
    // Starts a voice for a play of the buffer; none when nothing can be heard.
    virtual std::shared_ptr<Voice> StartVoice(const MixingSoundBuffer& buffer,
                                              std::size_t start) = 0;

protected:
    ~VoicePlayer() = default;
};

// What a buffer and all its copies share.
struct SoundSamples {
    WaveFormat format;
    std::vector<std::uint8_t> bytes;
    // Replaced whole at each Unlock: voices that are playing keep the one
    // they started with.
    std::shared_ptr<const Pcm> converted;
};

class MixingSoundBuffer final : public SoundBuffer {
public:
    // origin is the buffer the samples were loaded into; nullptr for that
    // buffer itself.
    MixingSoundBuffer(VoicePlayer& device, std::shared_ptr<SoundSamples> samples,
                      const MixingSoundBuffer* origin);

    HRESULT Lock(std::uint8_t*& region, std::uint32_t& bytes) override;
    HRESULT Unlock(std::uint8_t* region, std::uint32_t bytes) override;
    HRESULT SetCurrentPosition(std::uint32_t position) override;
    HRESULT Play() override;

    bool IsCopy() const { return origin_ != this; }
    const MixingSoundBuffer& origin() const { return *origin_; }
    const std::shared_ptr<SoundSamples>& samples() const { return samples_; }
    bool Playing() const { return voice_ && !voice_->Finished(); }
    // A copy that was played and has ended: nobody holds it any more.
    bool Spent() const { return IsCopy() && played_ && !Playing(); }

private:
    std::size_t StartSample() const;

    VoicePlayer& device_;
    std::shared_ptr<SoundSamples> samples_;
    const MixingSoundBuffer* origin_;
    std::uint32_t position_ = 0;  // in bytes of the buffer's own format
    bool played_ = false;
    std::shared_ptr<Voice> voice_;
};

}  // namespace platform
