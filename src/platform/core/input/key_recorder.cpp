#include "platform/core/input/key_recorder.h"

#include <algorithm>

namespace platform {
namespace {

// Lines are built by appending: GCC 12 at -O3 warns falsely about
// `" " + std::string(...)`.
std::string Frames(std::uint32_t first, std::uint32_t last) {
    std::string frames = std::to_string(first);
    if (last != first) frames.append("-").append(std::to_string(last));
    return frames;
}

}  // namespace

KeyRecorder::KeyRecorder(std::string fileName) : file_(std::move(fileName), "key recording") {
    file_.Write(kFirstLine);
    settledBytes_ = kFirstLine.size();
}

KeyRecorder::~KeyRecorder() {
    Close();
}

bool KeyRecorder::Close() {
    if (closed_) return !file_.failed();
    closed_ = true;
    if (frame_ > 0) SettleFrame();
    std::string end = runFirst_ != 0 ? RunLines(frame_) : EventLines(1);
    end.append("# the run ended in frame ").append(std::to_string(frame_)).append("\n");
    if (file_.seekable()) {
        if (file_.WriteAt(settledBytes_, end)) file_.CutTo(settledBytes_ + end.size());
    } else {
        file_.Write(end);
    }
    return file_.Close();
}

void KeyRecorder::BeginFrame(std::uint32_t frame) {
    if (frame_ > 0) {
        SettleFrame();
        WriteOpenRun();
    }
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

// A run that ends is written for good; the next one starts after it.
void KeyRecorder::SettleFrame() {
    if (runFirst_ != 0 && frameKeys_ == runKeys_) return;
    if (runFirst_ != 0) {
        std::string lines = RunLines(frame_ - 1);
        bool written = file_.seekable() ? file_.WriteAt(settledBytes_, lines) : file_.Write(lines);
        if (written) settledBytes_ += lines.size();
        DropEventsUpTo(frame_ - 1);
    }
    runFirst_ = frame_;
    runKeys_ = frameKeys_;
}

// Only ever longer than what it replaces, as frames and events are added;
// cut to its length all the same, so that the file never ends in stale bytes.
void KeyRecorder::WriteOpenRun() {
    if (!file_.seekable()) return;
    std::string lines = RunLines(frame_);
    if (file_.WriteAt(settledBytes_, lines)) file_.CutTo(settledBytes_ + lines.size());
}

std::string KeyRecorder::RunLines(std::uint32_t last) const {
    std::string line = Frames(runFirst_, last);
    bool anyKey = false;
    for (const KeyWord& word : KeyWords()) {
        if (runKeys_[word.code] == 0) continue;
        line.append(" ").append(word.name);
        anyKey = true;
    }
    return (anyKey ? line.append("\n") : std::string()) + EventLines(last);
}

// One line a frame, its events in the order they were posted.
std::string KeyRecorder::EventLines(std::uint32_t last) const {
    std::string lines;
    auto pending = events_.begin();
    while (pending != events_.end() && pending->first <= last) {
        std::uint32_t frame = pending->first;
        lines.append(std::to_string(frame));
        for (; pending != events_.end() && pending->first == frame; ++pending) {
            lines.append(" ").append(EventWords(pending->second));
        }
        lines.append("\n");
    }
    return lines;
}

void KeyRecorder::DropEventsUpTo(std::uint32_t last) {
    auto pending = std::find_if(events_.begin(), events_.end(),
                                [last](const auto& event) { return event.first > last; });
    events_.erase(events_.begin(), pending);
}

}  // namespace platform
