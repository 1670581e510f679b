// The words of a key script, shared by the script's reader (headless) and
// the recorder that writes one: the keys it can name and the window events
// it can post at the end of a frame.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace platform {

struct ScriptEvent {
    enum class Kind { Deactivate, Activate, Close, Unacquire, Mouse };
    Kind kind = Kind::Close;
    std::uint16_t x = 0;  // MOUSE only
    std::uint16_t y = 0;

    bool operator==(const ScriptEvent&) const = default;
};

struct KeyWord {
    std::string_view name;
    std::uint8_t code;
};

// Every key a script can name, once each, in the order a recording lists them.
std::span<const KeyWord> KeyWords();
// The scan code of a key word written in capitals (R and S are letters too).
std::optional<std::uint8_t> KeyWordCode(std::string_view upperWord);
// DEACTIVATE, ACTIVATE, CLOSE or UNACQUIRE in capitals; MOUSE takes coordinates.
std::optional<ScriptEvent::Kind> SimpleEventKind(std::string_view upperWord);
// The event as a script writes it: "CLOSE", "MOUSE 12 34".
std::string EventWords(const ScriptEvent& event);

}  // namespace platform
