#include "platform/core/streamed_sound_file.h"

#include <array>
#include <chrono>
#include <cstdio>

#include "platform/core/sound_conversion.h"

namespace platform {
namespace {
// A second and a half of sound: the writing thread comes by a hundred and
// fifty times in that.
constexpr std::size_t kRingSamples = std::size_t{65536} * kMixFormat.channels;
constexpr auto kWritingPeriod = std::chrono::milliseconds(10);
}  // namespace

StreamedSoundFile::StreamedSoundFile(std::unique_ptr<WaveWriter> writer)
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
