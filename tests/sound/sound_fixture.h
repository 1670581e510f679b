// The game's sound manager set up on a headless platform, and reset after.
#pragma once

#include "sound/sound_manager.h"
#include "support/files.h"
#include "support/headless_platform.h"
#include "support/sound_output.h"
#include "support/wave_files.h"

class SoundTest : public HeadlessTest {
protected:
    void SetUp() override {
        theSoundManager = std::make_unique<SoundManager>();
        ASSERT_TRUE(theSoundManager->InitSound(1, platform::DSSCL_EXCLUSIVE));
    }
    void TearDown() override { ReleaseSound(); }
    bool Load(const std::vector<std::uint8_t>& file, platform::SoundBuffer*& buffer) {
        return theSoundManager->LoadWave(folder.Write("sound.wav", file).c_str(), buffer);
    }
    const platform::SoundRecord& record() { return headless.backend().sound(); }

    TempFolder folder;
};
