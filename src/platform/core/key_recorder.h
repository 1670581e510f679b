// Writes down what the player did in a run as a key script that replays it
// (`--keys`): the keys the game read in every frame, with frames that hold
// the same keys merged into one range, and the window's events at the
// frame in which they were posted. The file is written as the run goes and
// finished when the recorder goes, however the game ended.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/api/input.h"
#include "platform/api/system.h"
#include "platform/core/script_words.h"

namespace platform {

class KeyRecorder {
public:
    static constexpr std::string_view kFirstLine = "# Far Haven key script, version 1\n";

    // Throws BackendError("FILE: cannot write the key recording (why)", 2).
    explicit KeyRecorder(std::string fileName);
    ~KeyRecorder();
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    // The keyboard is being read for the frame: it holds no keys unless the
    // reading succeeds.
    void BeginFrame(std::uint32_t frame);
    // What the game read in the current frame; keys a script cannot name
    // are left out.
    void KeysRead(const KeyState& keys);
    // An event posted during the current frame, which a replay posts at the
    // end of the same frame. Those that come before the first frame go with
    // the first, the earliest a script can name.
    void EventPosted(const ScriptEvent& event);

private:
    // The frame just played either carries on the current run of frames
    // with the same keys or ends it.
    void SettleFrame();
    // Writes the run up to the last frame, and the events posted within it.
    void WriteRun(std::uint32_t last);
    void WriteEventsUpTo(std::uint32_t last);
    void Write(const std::string& line);

    std::string fileName_;
    File file_;
    bool writeFailed_ = false;
    std::uint32_t frame_ = 0;
    KeyState frameKeys_{};
    std::uint32_t runFirst_ = 0;  // 0 until the first frame is settled
    KeyState runKeys_{};
    std::vector<std::pair<std::uint32_t, ScriptEvent>> events_;  // not yet written
};

}  // namespace platform
