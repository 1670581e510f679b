// Setting up the sound device, and playing effects as overlapping copies.
#include <gtest/gtest.h>

#include <stdexcept>

#include "shell/exceptions.h"
#include "sound/sound_fixture.h"
#include "support/sound_output.h"

namespace {

using platform::SoundBuffer;

// Runs InitSound on a fresh manager and returns what it threw.
template <typename Exception>
Exception* InitSoundThrows() {
    theSoundManager = std::make_unique<SoundManager>();
    try {
        theSoundManager->InitSound(7, platform::DSSCL_EXCLUSIVE);
    } catch (Exception* error) {
        return error;
    }
    return nullptr;
}

class InitSound : public HeadlessTest {
protected:
    void TearDown() override { theSoundManager.reset(); }
};

TEST_F(InitSound, MakesTheDeviceForTheWindowWithoutAWord) {
    theSoundManager = std::make_unique<SoundManager>();
    EXPECT_TRUE(theSoundManager->InitSound(7, platform::DSSCL_EXCLUSIVE));
    EXPECT_EQ(theSoundManager->window, 7u);
    EXPECT_NE(theSoundManager->device, nullptr);
    EXPECT_EQ(headless.debugText(), "");
}

TEST_F(InitSound, ADeviceThatCannotBeMadeIsLoggedAndThrownWithItsCode) {
    headless.backend().failures().Add({"dsound.create", platform::DSERR_NODRIVER, 1});
    direct_exception* error = InitSoundThrows<direct_exception>();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->code, platform::DSERR_NODRIVER);
    EXPECT_STREQ(error->GetText(), "Unknown error");
    delete error;
    EXPECT_EQ(headless.debugText(), "Failed to create direct sound object\n");
    EXPECT_EQ(theSoundManager->device, nullptr);
}

TEST_F(InitSound, ARefusedCooperativeLevelIsLoggedAndThrownWithItsCode) {
    headless.backend().failures().Add({"dsound.cooperative", platform::E_INVALIDARG, 1});
    direct_exception* error = InitSoundThrows<direct_exception>();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->code, platform::E_INVALIDARG);
    EXPECT_STREQ(error->GetText(), "Invalid params");
    delete error;
    EXPECT_EQ(headless.debugText(), "Failed to set priority\n");
}

// A platform whose sound device set-up goes wrong in a way nobody planned for.
class BrokenSoundBackend : public platform::HeadlessBackend {
public:
    BrokenSoundBackend() : HeadlessBackend(platform::Options{}) {}
    platform::HRESULT CreateSoundDevice(std::unique_ptr<platform::SoundDevice>&) override {
        throw std::runtime_error("the sound driver fell over");
    }
};

TEST(InitSoundUnplanned, AnyOtherFailureBecomesTheUnknownErrorMessage) {
    platform::ScopedPlatform installed(std::make_unique<BrokenSoundBackend>(), {});
    installed.get().debug().KeepTranscript(true);
    user_exception* error = InitSoundThrows<user_exception>();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(dynamic_cast<direct_exception*>(error), nullptr);
    EXPECT_STREQ(error->GetText(), "Unknown error initializing DirectSound");
    delete error;
    EXPECT_EQ(installed.get().debug().Transcript(), "");
    theSoundManager.reset();
}

class Effects : public SoundTest {
protected:
    void SetUp() override {
        SoundTest::SetUp();
        WaveBuilder wave;
        wave.Format(PcmFormat(2, 44100, 16)).Data(Samples16(std::vector<std::int16_t>(200, 1000)));
        ASSERT_TRUE(Load(wave.bytes(), cannonSound));
    }
};

TEST_F(Effects, TwoPlaysOfOneEffectSoundTogetherAsTwoCopiesOfIt) {
    PlayEffect(cannonSound);
    PlayEffect(cannonSound);
    ASSERT_EQ(record().plays.size(), 2u);
    for (const platform::SoundPlay& play : record().plays) {
        EXPECT_TRUE(play.copy);
        EXPECT_EQ(play.origin, cannonSound);
    }
    EXPECT_NE(record().plays[0].buffer, record().plays[1].buffer);
    auto both = Pull(*theSoundManager->device, 100);
    EXPECT_EQ(both.front(), 2000);
    EXPECT_EQ(both.back(), 2000);
    EXPECT_EQ(Peak(Pull(*theSoundManager->device, 1)), 0);  // both ended together
}

TEST_F(Effects, AnEffectThatDidNotLoadOrANoDeviceGameIsSilentAndGoesOn) {
    PlayEffect(shieldSound);  // never loaded
    theSoundManager->device.reset();
    PlayEffect(cannonSound);
    theSoundManager.reset();
    PlayEffect(cannonSound);
    EXPECT_TRUE(record().plays.empty());
}

TEST_F(Effects, ARefusedCopyLeavesTheCopyAsItWasAndIsStillTrue) {
    SoundBuffer* copy = reinterpret_cast<SoundBuffer*>(0x1234);
    SoundBuffer* foreign = reinterpret_cast<SoundBuffer*>(0x5678);
    EXPECT_TRUE(theSoundManager->DuplicateSound(foreign, copy));
    EXPECT_EQ(copy, reinterpret_cast<SoundBuffer*>(0x1234));
    theSoundManager->device.reset();
    EXPECT_TRUE(theSoundManager->DuplicateSound(cannonSound, copy));
    EXPECT_EQ(copy, reinterpret_cast<SoundBuffer*>(0x1234));
}

}  // namespace
