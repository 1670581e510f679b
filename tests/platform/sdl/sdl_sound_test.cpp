// The SDL backend's sound: SDL's own audio device pulling the mixer, what it
// played handed to the sound file, and a silent device where the machine has
// no output or the player wants none. Runs on SDL's dummy drivers.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "sound/sound_manager.h"
#include "support/files.h"
#include "support/headless_platform.h"
#include "support/wave_files.h"

namespace {

using Samples = std::vector<std::int16_t>;

// Half a second of a 440 Hz tone, 22,050 Hz mono.
std::vector<std::uint8_t> Tone() {
    std::vector<std::int16_t> tone(11025);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 8000 * std::sin(i * 440 * 2 * std::numbers::pi / 22050);
    return Samples16(tone);
}

class SdlSound : public ::testing::Test {
protected:
    ~SdlSound() override { ReleaseSound(); }

    // The SDL backend with the audio driver, and the game's sound device on
    // it with the tone loaded; once a test.
    void Install(const char* driver, std::string audioOut = "") {
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_setenv("SDL_AUDIODRIVER", driver, 1);
        ReleaseSound();  // what an earlier test of the program may have left
        platform::Options options;
        std::tie(options.window, options.audioOutFile) = std::tuple(true, audioOut);
        installed = std::make_unique<platform::ScopedPlatform>(
            std::make_unique<platform::SdlBackend>(options), options);
        installed->get().debug().KeepTranscript(true);
        theSoundManager = std::make_unique<SoundManager>();
        ASSERT_TRUE(theSoundManager->InitSound(1, platform::DSSCL_EXCLUSIVE));
        std::string file = folder.Write(
            "tone.wav", WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data(Tone()).bytes());
        ASSERT_TRUE(theSoundManager->LoadWave(file.c_str(), cannonSound));
    }
    platform::MixingSoundDevice& device() { return Mixing(*theSoundManager->device); }
    // Waits for SDL's audio thread to play every voice out.
    void PlayOut() {
        platform::Mixer& mixer = device().mixer();
        for (Uint32 start = SDL_GetTicks(); mixer.VoiceCount() > 0 && SDL_GetTicks() - start < 5000;
             mixer.DropFinished()) {
            SDL_Delay(10);
        }
        EXPECT_EQ(mixer.VoiceCount(), 0u);
    }

    std::unique_ptr<platform::ScopedPlatform> installed;
    TempFolder folder;
};

TEST_F(SdlSound, PlaysOverlappingCopiesThroughTheAudioDeviceFreesThemAndFilesWhatWasHeard) {
    std::string file = (folder.path() / "heard.wav").string();
    Install("dummy", file);
    ASSERT_TRUE(device().audible()) << installed->get().debug().Transcript();
    PlayEffect(cannonSound);
    SDL_Delay(250);
    PlayEffect(cannonSound);
    EXPECT_EQ(device().BufferCount(), 3u);
    PlayOut();
    platform::SoundBuffer* copy = nullptr;
    theSoundManager->DuplicateSound(cannonSound, copy);
    EXPECT_EQ(device().BufferCount(), 2u);  // the loaded sound and the new copy
    SDL_Delay(100);                         // the tone's end through the limiter's delay
    theSoundManager->device.reset();        // closes the audio device with a copy outstanding
    // The file is finished as the program does it, once the game is over.
    ASSERT_TRUE(installed->get().CloseFiles());

    std::vector<std::int16_t> heard = SoundFileSamples(file), tone;
    ASSERT_EQ(platform::ConvertSamples(PcmFormat(1, 22050, 16), Tone(), platform::kMixFormat, tone),
              0);
    // The first play's beginning, before the second joined it, in order.
    tone.resize(tone.size() / 3);
    EXPECT_NE(std::search(heard.begin(), heard.end(), tone.begin(), tone.end()), heard.end());
}

// --no-sound takes the same silent device (the end-to-end starts). A sound
// file asked for holds nothing then, and the player is told so.
TEST_F(SdlSound, WithoutAnAudioOutputTheGameGoesOnInSilenceAndSaysSoOnce) {
    std::string file = (folder.path() / "unheard.wav").string();
    Install("no-such-driver", file);
    std::unique_ptr<platform::SoundDevice> second;
    ASSERT_EQ(platform::CreateSoundDevice(second), platform::S_OK);
    const std::string& log = installed->get().debug().Transcript();
    EXPECT_TRUE(log.starts_with("no audio output: sound is silent (") &&
                log.find("no audio output", 1) == std::string::npos)
        << log;
    EXPECT_FALSE(device().audible() || Mixing(*second).audible());
    PlayEffect(cannonSound);
    EXPECT_EQ(device().mixer().VoiceCount(), 0u);
    theSoundManager->device.reset();
    second.reset();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(installed->get().CloseFiles());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "farhaven: " + file + ": no audio output, so no sound was written\n");
    EXPECT_TRUE(SoundFileSamples(file).empty());
}

}  // namespace
