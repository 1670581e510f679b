#include "platform/sdl/sdl_audio_output.h"

namespace platform {
namespace {
// About 23 ms at 44.1 kHz: short enough that an effect starts with its
// explosion, long enough not to starve on a busy machine.
constexpr Uint16 kFramesPerPull = 1024;
}  // namespace

std::unique_ptr<SdlAudioOutput> SdlAudioOutput::Open(MixFormat format, std::string& whyNot) {
    std::unique_ptr<SdlAudioOutput> output(new SdlAudioOutput);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        whyNot = SDL_GetError();
        return nullptr;
    }
    output->subsystemStarted_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = format.rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = static_cast<Uint8>(format.channels);
    wanted.samples = kFramesPerPull;
    wanted.callback = &SdlAudioOutput::Pull;
    wanted.userdata = output.get();
    // No changes allowed: SDL converts to whatever the hardware takes.
    output->device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (output->device_ == 0) {
        whyNot = SDL_GetError();
        return nullptr;
    }
    output->channels_ = format.channels;
    return output;
}

SdlAudioOutput::~SdlAudioOutput() {
    if (device_ != 0) SDL_CloseAudioDevice(device_);  // waits for a running pull
    if (subsystemStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioOutput::Start(Mixer& mixer, StreamedSoundFile* file) {
    SDL_LockAudioDevice(device_);
    mixer_ = &mixer;
    file_ = file;
    SDL_UnlockAudioDevice(device_);
    SDL_PauseAudioDevice(device_, 0);
}

void SdlAudioOutput::Pull(void* output, Uint8* stream, int length) {
    auto& self = *static_cast<SdlAudioOutput*>(output);
    auto frames = static_cast<std::size_t>(length) / sizeof(std::int16_t) /
                  static_cast<std::size_t>(self.channels_);
    if (self.mixer_ == nullptr) {
        SDL_memset(stream, 0, static_cast<std::size_t>(length));
        return;
    }
    auto* samples = reinterpret_cast<std::int16_t*>(stream);
    self.mixer_->Mix(samples, frames);
    if (self.file_ != nullptr) {
        self.file_->Played({samples, frames * static_cast<std::size_t>(self.channels_)});
    }
}

}  // namespace platform
