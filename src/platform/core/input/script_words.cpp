#include "platform/core/input/script_words.h"

#include <array>

#include "platform/api/input.h"
#include "platform/core/input/keyboard.h"

namespace platform {
namespace {

constexpr std::size_t kNamedKeyCount = 6;
constexpr std::size_t kKeyWordCount = kNamedKeyCount + 26 + 10;

std::array<KeyWord, kKeyWordCount> MakeKeyWords() {
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    static constexpr std::string_view kDigits = "0123456789";
    std::array<KeyWord, kKeyWordCount> words = {{
        {"ESC", scancode::Escape},
        {"UP", scancode::Up},
        {"DOWN", scancode::Down},
        {"LEFT", scancode::Left},
        {"RIGHT", scancode::Right},
        {"SPACE", scancode::Space},
    }};
    std::size_t next = kNamedKeyCount;
    for (std::size_t i = 0; i < kLetters.size(); ++i) {
        words[next++] = {kLetters.substr(i, 1), *LetterScanCode(kLetters[i])};
    }
    for (std::size_t i = 0; i < kDigits.size(); ++i) {
        words[next++] = {kDigits.substr(i, 1), *DigitScanCode(kDigits[i])};
    }
    return words;
}

struct EventName {
    std::string_view name;
    ScriptEvent::Kind kind;
};

constexpr std::array<EventName, 5> kEventNames = {{
    {"DEACTIVATE", ScriptEvent::Kind::Deactivate},
    {"ACTIVATE", ScriptEvent::Kind::Activate},
    {"CLOSE", ScriptEvent::Kind::Close},
    {"UNACQUIRE", ScriptEvent::Kind::Unacquire},
    {"MOUSE", ScriptEvent::Kind::Mouse},
}};

}  // namespace

std::span<const KeyWord> KeyWords() {
    static const std::array<KeyWord, kKeyWordCount> words = MakeKeyWords();
    return words;
}

std::optional<std::uint8_t> KeyWordCode(std::string_view upperWord) {
    for (const KeyWord& word : KeyWords()) {
        if (word.name == upperWord) return word.code;
    }
    return std::nullopt;
}

std::optional<ScriptEvent::Kind> SimpleEventKind(std::string_view upperWord) {
    for (const EventName& event : kEventNames) {
        if (event.name == upperWord && event.kind != ScriptEvent::Kind::Mouse) return event.kind;
    }
    return std::nullopt;
}

std::string EventWords(const ScriptEvent& event) {
    for (const EventName& name : kEventNames) {
        if (name.kind != event.kind) continue;
        std::string words(name.name);
        if (event.kind == ScriptEvent::Kind::Mouse) {
            words.append(" ").append(std::to_string(event.x));
            words.append(" ").append(std::to_string(event.y));
        }
        return words;
    }
    return {};
}

}  // namespace platform
