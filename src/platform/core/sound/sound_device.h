// The sound device both backends share: it makes and owns every buffer and
// copy, and starts their voices on its mixer. A backend only supplies where
// the mixed samples go (SDL's audio device; nowhere, pulled by tests, in the
// headless backend). A silent device accepts everything and plays nothing.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/api/sound.h"
#include "platform/core/sound/mixer.h"
#include "platform/core/sound/sound_buffer.h"
#include "platform/core/sound/sound_conversion.h"

namespace platform {

enum class SoundOutput { Audible, Silent };

class MixingSoundDevice : public SoundDevice, public VoicePlayer {
public:
    MixingSoundDevice(MixFormat format, SoundOutput output);

    HRESULT Compact() override { return S_OK; }
    HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t level) override;
    HRESULT CreateSoundBuffer(const SoundBufferDescription& description,
                              SoundBuffer*& buffer) override;
    HRESULT DuplicateSoundBuffer(SoundBuffer* source, SoundBuffer*& copy) override;

    bool audible() const override { return output_ == SoundOutput::Audible; }
    MixFormat mixFormat() const override { return mixer_.format(); }
    Mixer& mixer() { return mixer_; }
    // The loaded buffers and the copies that are still alive.
    std::size_t BufferCount() const { return buffers_.size(); }

    // Starts a voice for a play of the buffer; none when nothing can be heard.
    std::shared_ptr<Voice> StartVoice(const MixingSoundBuffer& buffer, std::size_t start) override;

protected:
    // What a backend may want to know of: each description handed over, and
    // each play.
    virtual void NoteDescription(const SoundBufferDescription& /*description*/) {}
    // Called before each request and play, so that a device whose samples go
    // by a clock can move its voices on by the time that has passed.
    virtual void CatchUp() {}
    virtual void NotePlay(const MixingSoundBuffer& /*buffer*/) {}

private:
    // The game keeps no handle to a copy after starting it, so a copy that
    // has played to its end is freed at the game's next request.
    void FreeSpentCopies();
    MixingSoundBuffer* Find(const SoundBuffer* buffer) const;

    SoundOutput output_;
    Mixer mixer_;
    // Declared after the mixer: buffers go first.
    std::vector<std::unique_ptr<MixingSoundBuffer>> buffers_;
};

// Why the game is silent, when the player asked for silence.
inline constexpr const char* kNoSoundReason = "turned off with --no-sound";

// Makes the silent sound device, for a machine without audio output or a
// player who wants none: it accepts everything and plays nothing, so the
// game runs as it would with sound. Why the game is silent is logged with
// the first one made.
class SilentSound {
public:
    std::unique_ptr<MixingSoundDevice> MakeDevice(const std::string& why);

private:
    bool reported_ = false;
};

}  // namespace platform
