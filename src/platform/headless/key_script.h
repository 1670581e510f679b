// The headless key script: which keys are held in which frames, and what
// happens at the end of them. One entry a line:
//
//     FRAMES WORD...        # a comment
//
// FRAMES is N, N-M or N+ (frames count from 1); a WORD is a key held during
// those frames (ESC R S UP DOWN LEFT RIGHT SPACE, A-Z, 0-9) or an event at
// the end of each of them (DEACTIVATE, ACTIVATE, CLOSE, UNACQUIRE, MOUSE X Y).
// Words are case-insensitive; blank lines and comments are ignored, and so
// are a byte-order mark and the CR of a CRLF line end.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/input.h"
#include "platform/core/input/script_words.h"

namespace platform {

struct ScriptEntry {
    static constexpr std::uint32_t kOpenEnd = std::numeric_limits<std::uint32_t>::max();

    std::uint32_t first = 1;
    std::uint32_t last = 1;  // inclusive; kOpenEnd for N+
    std::vector<std::uint8_t> keys;
    std::vector<ScriptEvent> events;

    bool Covers(std::uint32_t frame) const { return frame >= first && frame <= last; }
    bool operator==(const ScriptEntry&) const = default;
};

class KeyScript {
public:
    // Throws BackendError("FILE:LINE: what is wrong", 2) at the first bad line.
    static KeyScript Parse(std::string_view text, const std::string& fileName);
    // Reads and parses the file; a file that cannot be read throws as a bad
    // line would, with line 0.
    static KeyScript Load(const std::string& fileName);

    // Sets the bits of every key that a line covering the frame holds.
    void AddKeysDown(std::uint32_t frame, KeyState& keys) const;
    // The events at the end of the frame, in file order.
    std::vector<ScriptEvent> EventsAt(std::uint32_t frame) const;

    const std::vector<ScriptEntry>& entries() const { return entries_; }

private:
    std::vector<ScriptEntry> entries_;
};

}  // namespace platform
