// What the system says of a file by its name: which file it is, however it
// is named, and whether the game could write it. The player's files are
// checked with these before any of them is opened (os/player_files.h).
//
// This header is the same on every system; the calls behind it are in
// the posix_ and windows_ files beside it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/core/os/output_file.h"

namespace platform {

// One file, however it is named: the system's own identity for a file that
// is there (so that `./a`, `a` and a link to it are one), the whole path
// with `.`, `..` and links in its folders resolved for one that is not yet.
struct FileIdentity {
    bool exists = false;
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    std::string place;

    bool operator==(const FileIdentity& other) const {
        if (exists != other.exists) return false;
        return exists ? volume == other.volume && index == other.index : place == other.place;
    }
};

// "-" with a standard stream is that stream.
FileIdentity IdentityOf(const std::string& path, StandardStream standard = StandardStream::None);

// The null device takes anything from anyone: naming it twice loses nothing.
bool IsNullDevice(const FileIdentity& identity);

// Why the file cannot be written, in the system's words, or nothing. With
// `besideToo` the folder must take new files as well (a screenshot is
// written beside its place first); it must anyway for a file not there yet.
std::optional<std::string> WhyNotWritable(const std::string& path, bool besideToo);

// Where a file that is not there would be made: a link that points nowhere
// yet makes its target. The same on every system.
std::string PlaceOf(const std::string& name);

}  // namespace platform
