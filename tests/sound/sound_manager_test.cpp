// Setting up the sound device, and playing effects as overlapping copies.
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/exceptions.h"
#include "sound/sound_fixture.h"

namespace {

// InitSound on a fresh manager; what it threw, or nullptr.
std::unique_ptr<user_exception> InitSoundThrows() {
    theSoundManager = std::make_unique<SoundManager>();
    try {
        theSoundManager->InitSound(7, platform::DSSCL_EXCLUSIVE);
    } catch (user_exception* error) {
        return std::unique_ptr<user_exception>(error);
    }
    return nullptr;
}

TEST_F(SoundTest, InitSoundLogsAndThrowsTheCodeOfTheStepThatFailed) {
    EXPECT_EQ(headless.debugText(), "");  // the fixture's InitSound succeeded silently
    const std::tuple<const char*, platform::HRESULT, const char*> steps[] = {
        {"dsound.create", platform::DSERR_NODRIVER, "Failed to create direct sound object\n"},
        {"dsound.cooperative", platform::E_INVALIDARG, "Failed to set priority\n"}};
    for (auto [step, code, log] : steps) {
        headless.backend().failures().Clear();
        headless.backend().failures().Add({step, code, 1});
        headless.platform().debug().ClearTranscript();
        auto error = InitSoundThrows();
        auto* direct = dynamic_cast<direct_exception*>(error.get());
        ASSERT_NE(direct, nullptr) << step;
        EXPECT_EQ(std::tuple(direct->code, headless.debugText(), theSoundManager->window),
                  std::tuple(code, log, 7u));
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
    auto error = InitSoundThrows();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(dynamic_cast<direct_exception*>(error.get()), nullptr);
    EXPECT_STREQ(error->GetText(), "Unknown error initializing DirectSound");
    ReleaseSound();
}

TEST_F(SoundTest, EffectsPlayAsOverlappingCopiesAndOneThatCannotPlayIsSilent) {
    ASSERT_TRUE(
        Load(WaveBuilder().Format(PcmFormat(2, 44100, 16)).Data(Samples16({700, 700})).bytes(),
             cannonSound));
    PlayEffect(cannonSound);
    PlayEffect(cannonSound);
    ASSERT_EQ(record().plays.size(), 2u);
    for (const platform::SoundPlay& play : record().plays) {
        EXPECT_TRUE(play.copy && play.origin == cannonSound);
    }
    EXPECT_EQ(Heard(*theSoundManager->device, 2), (std::vector<std::int16_t>{1400, 1400, 0, 0}));

    PlayEffect(shieldSound);  // never loaded
    platform::SoundBuffer* copy = kUntouched;
    EXPECT_TRUE(theSoundManager->DuplicateSound(kUntouched, copy));  // refused
    EXPECT_EQ(copy, kUntouched);
    theSoundManager->device.reset();
    EXPECT_TRUE(theSoundManager->DuplicateSound(cannonSound, copy));
    EXPECT_EQ(copy, kUntouched);
    ReleaseSound();  // and nothing points at a freed buffer
    EXPECT_TRUE(introSound == nullptr && cannonSound == nullptr && shieldSound == nullptr);
    PlayEffect(cannonSound);
    EXPECT_EQ(record().plays.size(), 2u);
}

}  // namespace
