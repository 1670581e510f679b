#include "platform/core/key_recorder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/core/backend.h"

namespace platform {
namespace {

constexpr int kBadRecordingExitCode = 2;

// Lines are built by appending: GCC 12 at -O3 warns falsely about
// `" " + std::string(...)`.
std::string Frames(std::uint32_t first, std::uint32_t last) {
    std::string frames = std::to_string(first);
    if (last != first) frames.append("-").append(std::to_string(last));
    return frames;
}

}  // namespace

KeyRecorder::KeyRecorder(std::string fileName)
    : fileName_(std::move(fileName)), file_(std::fopen(fileName_.c_str(), "wb")) {
    if (!file_) {
        throw BackendError(
            fileName_ + ": cannot write the key recording (" + std::strerror(errno) + ")",
            kBadRecordingExitCode);
    }
    Write(std::string(kFirstLine));
}

KeyRecorder::~KeyRecorder() {
    if (frame_ > 0) {
        SettleFrame();
        WriteRun(frame_);
    }
    WriteEventsUpTo(std::max<std::uint32_t>(frame_, 1));
    Write("# the run ended in frame " + std::to_string(frame_) + "\n");
    bool closed = std::fclose(file_.release()) == 0;
    if (writeFailed_ || !closed) {
        std::fprintf(stderr, "farhaven: %s: the key recording could not be written in full\n",
                     fileName_.c_str());
    }
}

void KeyRecorder::BeginFrame(std::uint32_t frame) {
    if (frame_ > 0) SettleFrame();
    frame_ = frame;
    frameKeys_.fill(0);
}

void KeyRecorder::KeysRead(const KeyState& keys) {
    for (const KeyWord& word : KeyWords()) {
        if ((keys[word.code] & KEY_DOWN) != 0) frameKeys_[word.code] = KEY_DOWN;
    }
}

void KeyRecorder::EventPosted(const ScriptEvent& event) {
    events_.emplace_back(std::max<std::uint32_t>(frame_, 1), event);
}

void KeyRecorder::SettleFrame() {
    if (runFirst_ != 0 && frameKeys_ == runKeys_) return;
    if (runFirst_ != 0) WriteRun(frame_ - 1);
    runFirst_ = frame_;
    runKeys_ = frameKeys_;
}

void KeyRecorder::WriteRun(std::uint32_t last) {
    std::string line = Frames(runFirst_, last);
    bool anyKey = false;
    for (const KeyWord& word : KeyWords()) {
        if (runKeys_[word.code] == 0) continue;
        line.append(" ").append(word.name);
        anyKey = true;
    }
    if (anyKey) Write(line.append("\n"));
    WriteEventsUpTo(last);
    std::fflush(file_.get());
}

// One line a frame, its events in the order they were posted.
void KeyRecorder::WriteEventsUpTo(std::uint32_t last) {
    auto pending = events_.begin();
    while (pending != events_.end() && pending->first <= last) {
        std::uint32_t frame = pending->first;
        std::string line = std::to_string(frame);
        for (; pending != events_.end() && pending->first == frame; ++pending) {
            line.append(" ").append(EventWords(pending->second));
        }
        Write(line.append("\n"));
    }
    events_.erase(events_.begin(), pending);
}

void KeyRecorder::Write(const std::string& line) {
    if (std::fputs(line.c_str(), file_.get()) < 0) writeFailed_ = true;
}

}  // namespace platform
