// The SDL backend's sound device: the shared mixing device playing through
// SDL's audio output.
#pragma once

#include <memory>
#include <string>

#include "platform/core/sound/sound_device.h"
#include "platform/core/sound/streamed_sound_file.h"
#include "platform/core/sound/wave_writer.h"
#include "platform/sdl/sdl_audio_output.h"

namespace platform {

class SdlSoundDevice final : public MixingSoundDevice {
public:
    // What is played goes to the file too, when there is one.
    SdlSoundDevice(std::unique_ptr<SdlAudioOutput> output, std::shared_ptr<WaveWriter> file);

private:
    // Declared in the derived class, so gone before the mixer and the
    // buffers they read; the output is closed first, so that nothing is
    // handed to the file once it finishes.
    std::unique_ptr<StreamedSoundFile> file_;
    std::unique_ptr<SdlAudioOutput> output_;
};

// Opens the default output; none, with the reason in whyNot, when there is
// none. What it plays goes to the file too, when there is one.
std::unique_ptr<MixingSoundDevice> OpenSdlSoundDevice(std::string& whyNot,
                                                      std::shared_ptr<WaveWriter> file);

}  // namespace platform
