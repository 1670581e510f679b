// SDL's audio device on the default output, fed by the mixer from SDL's
// audio thread. It starts the audio subsystem for its own lifetime.
#pragma once

#include <SDL2/SDL.h>

#include <memory>
#include <string>

#include "platform/core/sound/mixer.h"
#include "platform/core/sound/streamed_sound_file.h"

namespace platform {

class SdlAudioOutput {
public:
    // The default output in the given format (SDL converts if the hardware
    // differs); nullptr, with SDL's reason in whyNot, when there is none.
    static std::unique_ptr<SdlAudioOutput> Open(MixFormat format, std::string& whyNot);
    ~SdlAudioOutput();
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    // Starts pulling from the mixer, which must outlive this output, as must
    // the file that what is played is handed to (none without --audio-out).
    void Start(Mixer& mixer, StreamedSoundFile* file);

private:
    SdlAudioOutput() = default;
    static void Pull(void* output, Uint8* stream, int length);

    bool subsystemStarted_ = false;
    SDL_AudioDeviceID device_ = 0;
    int channels_ = 0;
    // Set with the device locked, before it runs.
    Mixer* mixer_ = nullptr;
    StreamedSoundFile* file_ = nullptr;
};

}  // namespace platform
