// Our reader of the control file's INI text: "[SECTION]" headers and
// "KEY=value" lines. Section and key names match without regard to case,
// blanks around names and values are trimmed, a value in matching double
// quotes loses them, and lines starting with ';' are comments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class ProfileFile {
public:
    // A missing or unreadable file reads as empty.
    static ProfileFile Load(const std::string& path);
    static ProfileFile Parse(std::string_view text);

    // The value of the first KEY line in the first matching section, cut to
    // 254 characters, or the default when there is none.
    std::string Lookup(std::string_view section, std::string_view key,
                       std::string_view defaultValue) const;

    // Every KEY line of the sections of that name, in file order, with the
    // number of its line (from 1).
    struct Line {
        std::string key;
        std::string value;
        std::size_t number = 0;
    };
    std::vector<Line> Section(std::string_view section) const;

private:
    struct Entry {
        std::string section;
        std::string key;
        std::string value;
        std::size_t line = 0;
    };
    std::vector<Entry> entries_;
};
