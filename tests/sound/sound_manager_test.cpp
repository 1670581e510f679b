// Setting up the sound device, and playing effects as overlapping copies.
#include <gtest/gtest.h>

#include <stdexcept>

#include "shell/exceptions.h"
#include "sound/sound_fixture.h"

namespace {

// InitSound on a fresh manager; what it threw, or nullptr.
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

TEST_F(SoundTest, InitSoundLogsAndThrowsTheCodeOfTheStepThatFailed) {
    EXPECT_EQ(headless.debugText(), "");  // the fixture's InitSound succeeded silently
    EXPECT_NE(theSoundManager->device, nullptr);
    struct Case {
        const char* step;
        platform::HRESULT code;
        const char* log;
    } cases[] = {
        {"dsound.create", platform::DSERR_NODRIVER, "Failed to create direct sound object\n"},
        {"dsound.cooperative", platform::E_INVALIDARG, "Failed to set priority\n"}};
    for (const Case& c : cases) {
        headless.backend().failures().Clear();
        headless.backend().failures().Add({c.step, c.code, 1});
        headless.platform().debug().ClearTranscript();
        direct_exception* error = InitSoundThrows<direct_exception>();
        ASSERT_NE(error, nullptr) << c.step;
        EXPECT_EQ(error->code, c.code);
        delete error;
        EXPECT_EQ(headless.debugText(), c.log);
        EXPECT_EQ(theSoundManager->window, 7u);
    }
}

class BrokenSoundBackend : public platform::HeadlessBackend {
public:
    BrokenSoundBackend() : HeadlessBackend(platform::Options{}) {}
    platform::HRESULT CreateSoundDevice(std::unique_ptr<platform::SoundDevice>&) override {
        throw std::runtime_error("the sound driver fell over");
    }
};

TEST(InitSound, AnyOtherFailureBecomesTheUnknownErrorMessage) {
    platform::ScopedPlatform installed(std::make_unique<BrokenSoundBackend>(), {});
    user_exception* error = InitSoundThrows<user_exception>();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(dynamic_cast<direct_exception*>(error), nullptr);
    EXPECT_STREQ(error->GetText(), "Unknown error initializing DirectSound");
    delete error;
    theSoundManager.reset();
}

TEST_F(SoundTest, TwoPlaysOfOneEffectSoundTogetherAsTwoCopiesWhileTheLoadedOneStays) {
    ASSERT_TRUE(
        Load(WaveBuilder().Format(PcmFormat(2, 44100, 16)).Data(Samples16({700, 700})).bytes(),
             cannonSound));
    PlayEffect(cannonSound);
    PlayEffect(cannonSound);
    ASSERT_EQ(record().plays.size(), 2u);
    for (const platform::SoundPlay& play : record().plays) {
        EXPECT_TRUE(play.copy);
        EXPECT_EQ(play.origin, cannonSound);
    }
    EXPECT_EQ(Heard(*theSoundManager->device, 2), (std::vector<std::int16_t>{1400, 1400, 0, 0}));
}

TEST_F(SoundTest, AnEffectThatDidNotLoadOrHasNoDeviceIsSilentAndTheGameGoesOn) {
    PlayEffect(shieldSound);  // never loaded
    platform::SoundBuffer* copy = kUntouched;
    EXPECT_TRUE(theSoundManager->DuplicateSound(kUntouched, copy));  // refused
    EXPECT_EQ(copy, kUntouched);
    theSoundManager->device.reset();
    EXPECT_TRUE(theSoundManager->DuplicateSound(cannonSound, copy));
    EXPECT_EQ(copy, kUntouched);
    PlayEffect(cannonSound);
    theSoundManager.reset();
    PlayEffect(cannonSound);
    EXPECT_TRUE(record().plays.empty());
}

}  // namespace
