// The SDL backend's sound: SDL's own audio device pulling the mixer, and a
// silent device where the machine has no output. Runs on SDL's dummy drivers
// (a recording run may choose the disk audio driver instead).
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "sound/sound_manager.h"
#include "support/game_run.h"
#include "support/sound_output.h"
#include "support/files.h"
#include "support/wave_files.h"

namespace {

// Half a second of a 440 Hz tone, 22,050 Hz mono: its samples, and as a file.
std::vector<std::uint8_t> Tone() {
    std::vector<std::int16_t> tone(11025);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 8000 * std::sin(i * 440 * 2 * M_PI / 22050);
    return Samples16(tone);
}

std::vector<std::uint8_t> ToneFile() {
    return WaveBuilder().Format(PcmFormat(1, 22050, 16)).Data(Tone()).bytes();
}

class SdlSound : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_VIDEODRIVER", "dummy", 1); }
    void TearDown() override {
        theSoundManager.reset();
        cannonSound = nullptr;
    }

    void Install(bool noSound = false, std::string audioOut = "") {
        platform::Options options;
        options.window = true;
        options.noSound = noSound;
        options.audioOutFile = std::move(audioOut);
        installed = std::make_unique<platform::ScopedPlatform>(
            std::make_unique<platform::SdlBackend>(options), options);
        installed->get().debug().KeepTranscript(true);
        theSoundManager = std::make_unique<SoundManager>();
        ASSERT_TRUE(theSoundManager->InitSound(1, platform::DSSCL_EXCLUSIVE));
    }

    // The game's device and a second one are silent, a play starts no
    // voice, and the log says why once, first.
    void ExpectSilentAndSaidOnce(const std::string& line) {
        std::unique_ptr<platform::SoundDevice> second;
        ASSERT_EQ(platform::CreateSoundDevice(second), platform::S_OK);
        const std::string& log = installed->get().debug().Transcript();
        EXPECT_EQ(log.rfind(line, 0), 0u) << log;
        EXPECT_EQ(log.find("no audio output", 1), std::string::npos) << log;
        EXPECT_FALSE(Mixing(*theSoundManager->device).audible());
        EXPECT_FALSE(Mixing(*second).audible());

        ASSERT_TRUE(
            theSoundManager->LoadWave(folder.Write("tone.wav", ToneFile()).c_str(), cannonSound));
        PlayEffect(cannonSound);
        EXPECT_EQ(Mixing(*theSoundManager->device).mixer().VoiceCount(), 0u);
    }

    std::unique_ptr<platform::ScopedPlatform> installed;
    TempFolder folder;
};

TEST_F(SdlSound, PlaysTwoOverlappingCopiesThroughTheAudioDeviceAndFreesThemAfter) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    Install();
    platform::MixingSoundDevice& device = Mixing(*theSoundManager->device);
    ASSERT_TRUE(device.audible()) << installed->get().debug().Transcript();

    ASSERT_TRUE(
        theSoundManager->LoadWave(folder.Write("tone.wav", ToneFile()).c_str(), cannonSound));
    Uint32 start = SDL_GetTicks();
    PlayEffect(cannonSound);
    SDL_Delay(250);
    PlayEffect(cannonSound);
    EXPECT_EQ(device.BufferCount(), 3u);

    // SDL's audio thread plays both to their ends.
    platform::Mixer& mixer = device.mixer();
    for (mixer.DropFinished(); mixer.VoiceCount() > 0 && SDL_GetTicks() - start < 5000;
         mixer.DropFinished()) {
        SDL_Delay(10);
    }
    EXPECT_EQ(mixer.VoiceCount(), 0u);
    platform::SoundBuffer* copy = nullptr;
    theSoundManager->DuplicateSound(cannonSound, copy);
    EXPECT_EQ(device.BufferCount(), 2u);  // the loaded sound and the new copy

    theSoundManager->device.reset();  // closes the audio device with a copy outstanding
}

// The audio thread hands what it played over to the file's own thread.
TEST_F(SdlSound, WhatThePlayerHeardGoesToTheSoundFileInOrderAndWhole) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string file = (folder.path() / "heard.wav").string();
    Install(false, file);
    ASSERT_TRUE(
        theSoundManager->LoadWave(folder.Write("tone.wav", ToneFile()).c_str(), cannonSound));
    PlayEffect(cannonSound);
    platform::Mixer& mixer = Mixing(*theSoundManager->device).mixer();
    for (Uint32 start = SDL_GetTicks(); mixer.VoiceCount() > 0 && SDL_GetTicks() - start < 5000;
         mixer.DropFinished()) {
        SDL_Delay(10);
    }
    SDL_Delay(100);  // the tone's end through the limiter's delay
    theSoundManager->device.reset();

    std::string bytes = ReadFile(file);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(bytes.size() - 44, std::uint32_t(bytes[40] & 0xFF) | (bytes[41] & 0xFF) << 8 |
                                     (bytes[42] & 0xFF) << 16 | (bytes[43] & 0xFF) << 24);
    std::vector<std::int16_t> heard((bytes.size() - 44) / 2), tone;
    std::memcpy(heard.data(), bytes.data() + 44, heard.size() * 2);
    ASSERT_EQ(platform::ConvertSamples(PcmFormat(1, 22050, 16), Tone(), platform::kMixFormat, tone),
              platform::S_OK);
    EXPECT_NE(std::search(heard.begin(), heard.end(), tone.begin(), tone.end()), heard.end());
}

TEST_F(SdlSound, WithoutAnAudioOutputTheGameGoesOnInSilenceAndSaysSoOnce) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    Install();
    ExpectSilentAndSaidOnce("no audio output: sound is silent (");
}

TEST_F(SdlSound, NoSoundLeavesTheAudioOutputClosedAndSaysSoOnce) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // there is one, and it stays unused
    Install(true);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    ExpectSilentAndSaidOnce("no audio output: sound is silent (turned off with --no-sound)\n");
}

}  // namespace
