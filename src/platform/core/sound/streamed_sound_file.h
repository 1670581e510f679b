// `--audio-out` from a real audio output: the sound as it was played. The
// audio thread hands every block it played over through a lock-free ring;
// a thread of the file's own takes them out every few milliseconds and
// writes them, so the audio thread never waits, allocates or touches the
// disk, and the game thread never has to come by for it.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "platform/core/sound/wave_writer.h"

namespace platform {

// A ring of samples between one thread that puts them in and one that takes
// them out, with no lock: neither ever waits for the other.
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

class StreamedSoundFile {
public:
    // The writer is shared with the backend, which finishes the file once
    // this is gone.
    explicit StreamedSoundFile(std::shared_ptr<WaveWriter> writer);
    // Writes what is left; the audio thread must have stopped handing
    // samples over.
    ~StreamedSoundFile();
    StreamedSoundFile(const StreamedSoundFile&) = delete;
    StreamedSoundFile& operator=(const StreamedSoundFile&) = delete;

    // The audio thread: the samples it just played, whole frames.
    void Played(std::span<const std::int16_t> samples);

private:
    void Drain();

    std::shared_ptr<WaveWriter> writer_;
    SampleRing ring_;
    std::atomic<std::uint64_t> lostSamples_{0};  // when the disk fell behind
    std::mutex wakeMutex_;
    std::condition_variable_any wake_;
    std::jthread writing_;  // last: stopped and joined before the rest goes
};

}  // namespace platform
