#include "platform/core/sound/streamed_sound_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdio>

#include "platform/core/sound/sound_conversion.h"

namespace platform {
namespace {
// A second and a half of sound: the writing thread comes by a hundred and
// fifty times in that.
constexpr std::size_t kRingSamples = std::size_t{65536} * kMixFormat.channels;
constexpr auto kWritingPeriod = std::chrono::milliseconds(10);
}  // namespace

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

StreamedSoundFile::StreamedSoundFile(std::shared_ptr<WaveWriter> writer)
    : writer_(std::move(writer)), ring_(kRingSamples), writing_([this](std::stop_token stop) {
          std::unique_lock lock(wakeMutex_);
          while (!stop.stop_requested()) {
              wake_.wait_for(lock, stop, kWritingPeriod, [] { return false; });
              Drain();
          }
      }) {}

StreamedSoundFile::~StreamedSoundFile() {
    writing_.request_stop();
    writing_.join();
    Drain();
    if (std::uint64_t lost = lostSamples_.load(); lost > 0) {
        std::fprintf(
            stderr, "farhaven: %s: %llu ms of the sound could not be written in time\n",
            writer_->fileName().c_str(),
            static_cast<unsigned long long>(lost * 1000 / kMixFormat.channels / kMixFormat.rate));
    }
}

void StreamedSoundFile::Played(std::span<const std::int16_t> samples) {
    if (!ring_.Put(samples)) lostSamples_.fetch_add(samples.size(), std::memory_order_relaxed);
}

void StreamedSoundFile::Drain() {
    std::array<std::int16_t, 4096> block;
    for (std::size_t count = ring_.Take(block); count > 0; count = ring_.Take(block)) {
        writer_->Append(std::span(block).first(count));
    }
}

}  // namespace platform
