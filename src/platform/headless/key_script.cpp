#include "platform/headless/key_script.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>

#include "platform/api/system.h"
#include "platform/core/backend.h"

namespace platform {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The line's words, up to its comment.
std::vector<std::string_view> Words(std::string_view line) {
    line = line.substr(0, line.find('#'));
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::string Upper(std::string_view word) {
    std::string upper(word);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

// A word as it may be shown in a message: quoted, short, and with anything
// unprintable spelled out, since a script can hold any bytes at all.
std::string Quoted(std::string_view word) {
    constexpr std::size_t kLongest = 32;
    std::string shown = "'";
    for (std::size_t i = 0; i < word.size() && i < kLongest; ++i) {
        auto c = static_cast<unsigned char>(word[i]);
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
        } else {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\x%02X", c);
            shown += escaped.data();
        }
    }
    if (word.size() > kLongest) shown += "...";
    return shown + "'";
}

// Digits only, no sign, within 32 bits.
std::optional<std::uint32_t> WholeNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

class LineParser {
public:
    LineParser(const std::string& fileName, std::size_t lineNumber)
        : fileName_(fileName), lineNumber_(lineNumber) {}

    ScriptEntry Parse(const std::vector<std::string_view>& words) {
        ScriptEntry entry;
        ParseFrames(words[0], entry);
        if (words.size() == 1) Fail("no key or event after the frames");
        for (std::size_t i = 1; i < words.size(); ++i) i = ParseWord(words, i, entry);
        return entry;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw BackendError(fileName_ + ":" + std::to_string(lineNumber_) + ": " + what,
                           kBadFileExitCode);
    }

    std::uint32_t FrameNumber(std::string_view text, std::string_view frames) const {
        if (!AllDigits(text)) {
            Fail(Quoted(frames) + " is not a frame, a range of frames (N-M) or an open range (N+)");
        }
        std::optional<std::uint32_t> number = WholeNumber(text);
        if (!number) Fail("frame number " + Quoted(text) + " is too large");
        if (*number == 0) Fail("frames count from 1, not 0");
        return *number;
    }

    void ParseFrames(std::string_view frames, ScriptEntry& entry) const {
        if (!frames.empty() && frames.back() == '+') {
            entry.first = FrameNumber(frames.substr(0, frames.size() - 1), frames);
            entry.last = ScriptEntry::kOpenEnd;
            return;
        }
        std::size_t dash = frames.find('-');
        if (dash == std::string_view::npos) {
            entry.first = entry.last = FrameNumber(frames, frames);
            return;
        }
        entry.first = FrameNumber(frames.substr(0, dash), frames);
        entry.last = FrameNumber(frames.substr(dash + 1), frames);
        if (entry.last < entry.first) {
            Fail("the range " + Quoted(frames) + " ends before it starts");
        }
    }

    std::uint16_t Coordinate(const std::vector<std::string_view>& words, std::size_t i) const {
        if (i >= words.size()) Fail("MOUSE needs an X and a Y");
        std::optional<std::uint32_t> value =
            AllDigits(words[i]) ? WholeNumber(words[i]) : std::nullopt;
        if (!value || *value > 65535) {
            Fail("MOUSE takes X and Y from 0 to 65535, not " + Quoted(words[i]));
        }
        return static_cast<std::uint16_t>(*value);
    }

    // Reads the word at i (and a MOUSE's coordinates); returns the index of
    // the last word used.
    std::size_t ParseWord(const std::vector<std::string_view>& words, std::size_t i,
                          ScriptEntry& entry) const {
        std::string word = Upper(words[i]);
        if (std::optional<std::uint8_t> code = KeyWordCode(word)) {
            entry.keys.push_back(*code);
            return i;
        }
        if (std::optional<ScriptEvent::Kind> kind = SimpleEventKind(word)) {
            entry.events.push_back({*kind, 0, 0});
            return i;
        }
        if (word == "MOUSE") {
            std::uint16_t x = Coordinate(words, i + 1);
            std::uint16_t y = Coordinate(words, i + 2);
            entry.events.push_back({ScriptEvent::Kind::Mouse, x, y});
            return i + 2;
        }
        Fail(Quoted(words[i]) + " is neither a key nor an event");
    }

    const std::string& fileName_;
    std::size_t lineNumber_;
};

}  // namespace

KeyScript KeyScript::Parse(std::string_view text, const std::string& fileName) {
    KeyScript script;
    // Editors on other systems start a UTF-8 file with a byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        std::vector<std::string_view> words = Words(line);
        if (words.empty()) continue;
        script.entries_.push_back(LineParser(fileName, lineNumber).Parse(words));
    }
    return script;
}

KeyScript KeyScript::Load(const std::string& fileName) {
    // A path from the command line, taken as it stands.
    File file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        throw BackendError(
            fileName + ":0: cannot read the key script (" + std::strerror(errno) + ")",
            kBadFileExitCode);
    }
    std::string text;
    std::array<char, 4096> chunk{};
    std::size_t got = 0;
    while ((got = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
        text.append(chunk.data(), got);
    }
    if (std::ferror(file.get())) {
        throw BackendError(fileName + ":0: cannot read the key script", kBadFileExitCode);
    }
    return Parse(text, fileName);
}

void KeyScript::AddKeysDown(std::uint32_t frame, KeyState& keys) const {
    for (const ScriptEntry& entry : entries_) {
        if (!entry.Covers(frame)) continue;
        for (std::uint8_t code : entry.keys) keys[code] |= KEY_DOWN;
    }
}

std::vector<ScriptEvent> KeyScript::EventsAt(std::uint32_t frame) const {
    std::vector<ScriptEvent> events;
    for (const ScriptEntry& entry : entries_) {
        if (entry.Covers(frame)) {
            events.insert(events.end(), entry.events.begin(), entry.events.end());
        }
    }
    return events;
}

}  // namespace platform
