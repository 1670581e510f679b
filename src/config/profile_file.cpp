#include "config/profile_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace {

// A control file is a few hundred bytes; anything past this is not one, and
// reading it all would only cost memory.
constexpr std::size_t kMaxFileBytes = 1 << 20;
constexpr std::size_t kMaxValueLength = 254;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value.remove_prefix(1);
        value.remove_suffix(1);
    }
    return value;
}

}  // namespace

ProfileFile ProfileFile::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {};
    std::string text(kMaxFileBytes, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(file.gcount()));
    return Parse(text);
}

ProfileFile ProfileFile::Parse(std::string_view text) {
    // Editors that save UTF-8 may put a byte-order mark first; left there it
    // would hide the first section's header.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    ProfileFile profile;
    std::string section;
    std::size_t number = 0;
    while (!text.empty()) {
        ++number;
        std::size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            if (close != std::string_view::npos) section = Trim(line.substr(1, close - 1));
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) continue;
        std::string_view value = Unquote(Trim(line.substr(equals + 1)));
        profile.entries_.push_back(
            {section, std::string(key), std::string(value.substr(0, kMaxValueLength)), number});
    }
    return profile;
}

std::vector<ProfileFile::Line> ProfileFile::Section(std::string_view section) const {
    std::vector<Line> lines;
    for (const Entry& entry : entries_) {
        if (SameName(entry.section, section)) lines.push_back({entry.key, entry.value, entry.line});
    }
    return lines;
}

std::string ProfileFile::Lookup(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    for (const Entry& entry : entries_) {
        if (SameName(entry.section, section) && SameName(entry.key, key)) return entry.value;
    }
    return std::string(defaultValue.substr(0, kMaxValueLength));
}
