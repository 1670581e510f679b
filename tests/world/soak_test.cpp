// A long game with random but seeded keys: the world's lists stay bounded
// and nothing goes wrong on the way. CI runs 10,000 frames; tools/soak.sh
// runs 100,000 under the sanitizers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "config/settings.h"
#include "platform/api/input.h"
#include "platform/core/sound_device.h"
#include "sound/sound_manager.h"
#include "support/world_fixture.h"
#include "world/world_state.h"

namespace {

namespace sc = platform::scancode;

TEST_F(WorldTest, SoakTheWorldStaysBoundedThroughALongRandomGame) {
    const char* frames = std::getenv("FARHAVEN_SOAK_FRAMES");
    const int frameCount = frames != nullptr ? std::atoi(frames) : 10000;
    Settings::maxBulletsPlayer = 3;
    Settings::shieldCount = 1000;
    Build();
    // What a restless player holds: every key but Escape, alone and with Space.
    const std::uint8_t keys[] = {0, sc::Left, sc::Right, sc::Up, sc::Down, sc::Space, sc::S, sc::R};
    std::mt19937 random(20261207);
    std::size_t largestBooms = 0;
    std::size_t largestRoamies = 0;
    for (int frame = 0; frame < frameCount; ++frame) {
        if (frame % 20 == 0) {
            ReleaseKeys();
            Hold({keys[random() % std::size(keys)]});
            if (random() % 2 == 0) Hold({sc::Space});
        }
        RunFrames(1);
        // Finished copies of the sounds must go.
        auto& device = dynamic_cast<platform::MixingSoundDevice&>(*theSoundManager->device);
        ASSERT_TRUE(playerShotList.size() <= 3 && enemyShotList.size() <= 3 &&
                    boomList.size() <= 64 && roamieList.size() <= 64 && brickList.size() <= 12 &&
                    device.BufferCount() <= 64)
            << "frame " << frame;
        largestBooms = std::max(largestBooms, boomList.size());
        largestRoamies = std::max(largestRoamies, roamieList.size());
        if (frame % 1000 == 0) headless.platform().debug().ClearTranscript();
    }
    // The game was played, not idled: things blew up and roamies came.
    EXPECT_GT(largestBooms, 0u);
    EXPECT_GT(largestRoamies, 0u);
}

}  // namespace
