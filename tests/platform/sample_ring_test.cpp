// The ring that carries what the audio thread played to the sound file's
// writer.
#include "platform/core/sample_ring.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Samples = std::vector<std::int16_t>;

TEST(SampleRing, KeepsTheOrderAcrossItsEndAndTakesAllOrNothingWhenFull) {
    platform::SampleRing ring(6);  // room for 8
    Samples out(8);
    for (std::int16_t round = 0; round < 3; ++round) {
        ASSERT_TRUE(ring.Put(Samples{round, 1, 2, 3, 4}));
        EXPECT_FALSE(ring.Put(Samples{9, 9, 9, 9})) << "a block that does not fit goes in part";
        ASSERT_EQ(ring.Take(std::span(out).first(2)), 2u);
        EXPECT_EQ(out[0], round);
        ASSERT_EQ(ring.Take(out), 3u);
        EXPECT_EQ(Samples(out.begin(), out.begin() + 3), (Samples{2, 3, 4}));
    }
    EXPECT_EQ(ring.Take(out), 0u);
}

}  // namespace
