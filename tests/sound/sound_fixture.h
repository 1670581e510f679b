// A headless platform with the game's sound manager set up on it, and the
// loaded sounds reset afterwards.
#pragma once

#include "sound/sound_manager.h"
#include "support/headless_platform.h"
#include "support/wave_files.h"

class SoundTest : public HeadlessTest {
protected:
    void SetUp() override {
        theSoundManager = std::make_unique<SoundManager>();
        ASSERT_TRUE(theSoundManager->InitSound(1, platform::DSSCL_EXCLUSIVE));
    }
    void TearDown() override {
        theSoundManager.reset();
        introSound = cannonSound = shieldSound = nullptr;
    }

    // Loads the bytes as a file of the folder; the buffer stays as it was
    // when the load fails.
    bool Load(const std::vector<std::uint8_t>& bytes, platform::SoundBuffer*& buffer) {
        return theSoundManager->LoadWave(folder.Write("sound.wav", bytes).c_str(), buffer);
    }

    const platform::SoundRecord& record() { return headless.backend().sound(); }

    TempFolder folder;
};
