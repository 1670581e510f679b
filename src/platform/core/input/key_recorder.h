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
#include "platform/core/input/script_words.h"
#include "platform/core/os/output_file.h"

namespace platform {

class KeyRecorder {
public:
    static constexpr std::string_view kFirstLine = "# Far Haven key script, version 1\n";

    // Throws BackendError("FILE: cannot write the key recording (why)", 2).
    explicit KeyRecorder(std::string fileName);
    // Closes the file if Close was not called.
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

    bool failed() const { return file_.failed(); }
    // Writes the end of the run and closes the file; false when it could
    // not be written in full (already said on standard error).
    bool Close();

private:
    // The frame just played either carries on the current run of frames
    // with the same keys or ends it.
    void SettleFrame();
    // The lines of the run up to the last frame, and of the events posted
    // up to it.
    std::string RunLines(std::uint32_t last) const;
    std::string EventLines(std::uint32_t last) const;
    void DropEventsUpTo(std::uint32_t last);
    // The run up to the current frame, in place of what was written of it.
    void WriteOpenRun();

    OutputFile file_;
    std::uint64_t settledBytes_ = 0;  // the file's bytes before the open run
    bool closed_ = false;
    std::uint32_t frame_ = 0;
    KeyState frameKeys_{};
    std::uint32_t runFirst_ = 0;  // 0 until the first frame is settled
    KeyState runKeys_{};
    std::vector<std::pair<std::uint32_t, ScriptEvent>> events_;  // not yet written
};

}  // namespace platform
