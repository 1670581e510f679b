// The headless sound device: the shared mixing device with no audio output
// (tests pull its mixer, `--audio-out` writes it to a file), which tells the
// backend what the game played.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/core/sound/sound_device.h"
#include "platform/headless/clocked_sound_file.h"

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
    // With a file, the first device made plays into it; the file must
    // outlive the device.
    HeadlessSoundDevice(std::shared_ptr<SoundRecord> record, ClockedSoundFile* file);
    // Writes its sound up to now to the file it plays into.
    ~HeadlessSoundDevice() override;
    HeadlessSoundDevice(const HeadlessSoundDevice&) = delete;
    HeadlessSoundDevice& operator=(const HeadlessSoundDevice&) = delete;

protected:
    void NoteDescription(const SoundBufferDescription& description) override;
    void NotePlay(const MixingSoundBuffer& buffer) override;
    // Plays the voices on by the virtual time since the last request, into
    // the file or nowhere: sounds end as they would on a real device, and
    // their copies are freed, however long a headless game runs.
    void CatchUp() override;

private:
    // A full file takes no more: the voices go on into nowhere.
    bool PlaysIntoFile() {
        return file_ != nullptr && file_->attached() == &mixer() && !file_->full();
    }

    std::shared_ptr<SoundRecord> record_;
    ClockedSoundFile* file_;
    std::uint32_t caughtUpAt_;
};

}  // namespace platform
