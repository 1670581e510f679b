// A file the player asked the game to write (`--log`, `--record`,
// `--audio-out`, a screenshot): the player's data, so every open, write and
// close is checked. The first failure is said at once on standard error,
// naming the file, what it holds and why; the file then takes nothing more,
// and the failure is kept for the exit code. Nothing is buffered here: what
// was written is in the system's hands, so a killed game loses none of it,
// and a closed file is on the disk, so a power cut after the game leaves it
// whole.
//
// This header is the same on every system; the calls behind it are in
// the posix_ and windows_ files beside it.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What "-" names for a file, if anything.
enum class StandardStream { None, Output, Error };

class OutputFile {
public:
    // `what` names the contents in messages ("sound file", "key recording").
    // "-" is the standard stream given. Throws BackendError (exit code 2)
    // when the file cannot be opened.
    OutputFile(std::string name, std::string what, StandardStream standard = StandardStream::None);
    // Closes the file if Close was not called, saying so if that fails.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::string& name() const { return name_; }
    // A regular file of its own, whose earlier bytes can be written again; a
    // pipe, a terminal, a device or a file appended to only takes bytes in
    // order.
    bool seekable() const { return seekable_; }
    // Once one operation has failed; may be asked from another thread.
    bool failed() const { return failed_.load(std::memory_order_relaxed); }

    // Each false once the file has failed.
    bool Write(std::string_view bytes);
    bool Write(const void* bytes, std::size_t size) {
        return Write(std::string_view(static_cast<const char*>(bytes), size));
    }
    // Seekable files only: writes at an offset, leaving the end where it is.
    bool WriteAt(std::uint64_t offset, std::string_view bytes);
    // Seekable files only: cuts the file to its first `size` bytes; later
    // writes go to its end.
    bool CutTo(std::uint64_t size);
    // Puts what was written on the disk and closes the file; false if that
    // or anything before it failed.
    bool Close();

private:
    // Why an operation failed, in the system's words; nothing when it did not.
    using Outcome = std::optional<std::string>;

    // The system's side.
    Outcome OpenNamed();
    void OpenStandard(StandardStream standard);
    void LearnKind();                                               // sets seekable_ and regular_
    Outcome WriteAll(std::string_view bytes, std::int64_t offset);  // offset < 0: at the end
    Outcome Cut(std::uint64_t size);
    Outcome SyncAndClose();

    void Fail(const std::string& reason);
    std::string Problem(const std::string& reason) const;

    std::string name_;
    std::string what_;
    // The system's handle: a descriptor on POSIX, a HANDLE on Windows.
    std::intptr_t handle_ = -1;
    bool open_ = false;
    bool owned_ = true;     // not a standard stream
    bool regular_ = false;  // a file on a disk, which can be synced
    bool seekable_ = false;
    std::atomic<bool> failed_{false};
};

}  // namespace platform
