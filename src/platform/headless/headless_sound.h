// The headless sound device: the shared mixing device with no audio output
// (tests pull its mixer), which tells the backend what the game played.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/core/sound_device.h"

namespace platform {

struct SoundPlay {
    const SoundBuffer* buffer = nullptr;  // the buffer Play was called on
    const SoundBuffer* origin = nullptr;  // the loaded buffer whose samples it plays
    bool copy = false;
};

// What the game asked of its sound devices, for tests to read.
struct SoundRecord {
    std::vector<SoundPlay> plays;
    std::optional<SoundBufferDescription> lastDescription;
};

class HeadlessSoundDevice final : public MixingSoundDevice {
public:
    explicit HeadlessSoundDevice(std::shared_ptr<SoundRecord> record);

protected:
    void NoteDescription(const SoundBufferDescription& description) override;
    void NotePlay(const MixingSoundBuffer& buffer) override;
    // Plays the voices on by the virtual time since the last request, into
    // nowhere: sounds end as they would on a real device, and their copies
    // are freed, however long a headless game runs.
    void CatchUp() override;

private:
    std::shared_ptr<SoundRecord> record_;
    std::uint32_t caughtUpAt_;
};

}  // namespace platform
