// A ring of samples between one thread that puts them in and one that takes
// them out, with no lock: neither ever waits for the other.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

class SampleRing {
public:
    // Room for at least this many samples.
    explicit SampleRing(std::size_t capacity);

    // Puts all of the samples in, or none when there is not room for all
    // (so that frames stay whole); never allocates.
    bool Put(std::span<const std::int16_t> samples);
    // Takes out as many samples as are there and fit; how many.
    std::size_t Take(std::span<std::int16_t> out);

private:
    std::vector<std::int16_t> samples_;
    std::size_t mask_;
    // Counts of samples put in and taken out since the start; each written
    // by its own thread only.
    std::atomic<std::size_t> put_{0};
    std::atomic<std::size_t> taken_{0};
};

}  // namespace platform
