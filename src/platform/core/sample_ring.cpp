#include "platform/core/sample_ring.h"

#include <algorithm>
#include <bit>

namespace platform {

SampleRing::SampleRing(std::size_t capacity)
    : samples_(std::bit_ceil(std::max<std::size_t>(capacity, 1))), mask_(samples_.size() - 1) {}

bool SampleRing::Put(std::span<const std::int16_t> samples) {
    std::size_t put = put_.load(std::memory_order_relaxed);
    std::size_t taken = taken_.load(std::memory_order_acquire);
    if (samples.size() > samples_.size() - (put - taken)) return false;
    for (std::int16_t sample : samples) samples_[put++ & mask_] = sample;
    put_.store(put, std::memory_order_release);
    return true;
}

std::size_t SampleRing::Take(std::span<std::int16_t> out) {
    std::size_t taken = taken_.load(std::memory_order_relaxed);
    std::size_t put = put_.load(std::memory_order_acquire);
    std::size_t count = std::min(out.size(), put - taken);
    for (std::size_t i = 0; i < count; ++i) out[i] = samples_[taken++ & mask_];
    taken_.store(taken, std::memory_order_release);
    return count;
}

}  // namespace platform
