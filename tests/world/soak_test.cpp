// A long game with random but seeded keys: the world's lists stay bounded
// and nothing goes wrong on the way. CI runs 10,000 frames; tools/soak.sh
// runs 100,000 under the sanitizers.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <vector>

#include "config/settings.h"
#include "platform/api/input.h"
#include "platform/core/sound_device.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/world_state.h"

namespace {

int SoakFrames() {
    const char* frames = std::getenv("FARHAVEN_SOAK_FRAMES");
    return frames != nullptr ? std::atoi(frames) : 10000;
}

using Keys = std::vector<std::uint8_t>;

// What a restless player holds: every key but Escape, alone and in pairs.
const std::array<Keys, 12> kKeyChoices = {{
    {},
    {platform::scancode::Left},
    {platform::scancode::Right},
    {platform::scancode::Up},
    {platform::scancode::Down},
    {platform::scancode::Space},
    {platform::scancode::S},
    {platform::scancode::R},
    {platform::scancode::Left, platform::scancode::Space},
    {platform::scancode::Right, platform::scancode::Space},
    {platform::scancode::Up, platform::scancode::Space},
    {platform::scancode::R, platform::scancode::Space},
}};

// Loaded sounds and the copies still alive: finished copies must go.
std::size_t SoundBuffers() {
    auto* device = dynamic_cast<platform::MixingSoundDevice*>(theSoundManager->device.get());
    return device != nullptr ? device->BufferCount() : 0;
}

class Soak : public WorldTest {};

TEST_F(Soak, TheWorldStaysBoundedThroughALongRandomGame) {
    Settings::maxBulletsPlayer = 3;
    Settings::shieldCount = 1000;
    Build();
    std::mt19937 keysRandom(20261207);
    std::size_t largestBooms = 0;
    std::size_t largestRoamies = 0;
    const int frames = SoakFrames();
    for (int frame = 0; frame < frames; ++frame) {
        if (frame % 20 == 0) {
            ReleaseKeys();
            const Keys& keys = kKeyChoices[keysRandom() % kKeyChoices.size()];
            for (std::uint8_t code : keys) Hold({code});
        }
        RunFrames(1);
        ASSERT_LE(playerShotList.size(), 3u) << "frame " << frame;
        ASSERT_LE(enemyShotList.size(), 3u) << "frame " << frame;
        ASSERT_LE(boomList.size(), 64u) << "frame " << frame;
        ASSERT_LE(roamieList.size(), 64u) << "frame " << frame;
        ASSERT_LE(brickList.size(), 12u) << "frame " << frame;
        ASSERT_LE(SoundBuffers(), 64u) << "frame " << frame;
        largestBooms = std::max(largestBooms, boomList.size());
        largestRoamies = std::max(largestRoamies, roamieList.size());
        if (frame % 1000 == 0) headless.platform().debug().ClearTranscript();
    }
    // The game was played, not idled: things blew up and roamies came.
    EXPECT_GT(largestBooms, 0u);
    EXPECT_GT(largestRoamies, 0u);
}

}  // namespace
