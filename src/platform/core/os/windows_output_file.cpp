// The player's output files on Windows: file handles by wide names, written
// whole, flushed to the disk before they are closed.
#include "platform/core/os/output_file.h"

#include <windows.h>

#include "platform/core/os/windows_wide.h"

namespace platform {
namespace {

HANDLE Handle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

std::string LastReason() {
    return SystemMessage(GetLastError());
}

bool Seek(HANDLE file, std::int64_t offset, DWORD from, std::int64_t* now = nullptr) {
    LARGE_INTEGER to{};
    LARGE_INTEGER at{};
    to.QuadPart = offset;
    if (!SetFilePointerEx(file, to, &at, from)) return false;
    if (now != nullptr) *now = at.QuadPart;
    return true;
}

// WriteFile may take fewer bytes than asked, to a pipe say.
std::optional<std::string> WriteInParts(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD part = bytes.size() > 1u << 30 ? 1u << 30 : static_cast<DWORD>(bytes.size());
        DWORD done = 0;
        if (!WriteFile(file, bytes.data(), part, &done, nullptr)) return LastReason();
        if (done == 0) return SystemMessage(ERROR_WRITE_FAULT);
        bytes.remove_prefix(done);
    }
    return std::nullopt;
}

}  // namespace

OutputFile::Outcome OutputFile::OpenNamed() {
    // Others may read the file as it grows (a player's tail of the log).
    HANDLE file = CreateFileW(Widen(name_).c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastReason();
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return std::nullopt;
}

void OutputFile::OpenStandard(StandardStream standard) {
    DWORD which = standard == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
    handle_ = reinterpret_cast<std::intptr_t>(GetStdHandle(which));
}

// Standard output may be a file already written to: its beginning is not
// this file's to write again.
void OutputFile::LearnKind() {
    HANDLE file = Handle(handle_);
    std::int64_t at = -1;
    regular_ = GetFileType(file) == FILE_TYPE_DISK;
    seekable_ = regular_ && Seek(file, 0, FILE_CURRENT, &at) && at == 0;
}

// A write at an offset moves a handle's position on Windows (pwrite does
// not on POSIX): the position is put back, so the end stays where it was.
OutputFile::Outcome OutputFile::WriteAll(std::string_view bytes, std::int64_t offset) {
    HANDLE file = Handle(handle_);
    if (offset < 0) return WriteInParts(file, bytes);
    std::int64_t end = 0;
    if (!Seek(file, 0, FILE_CURRENT, &end) || !Seek(file, offset, FILE_BEGIN)) return LastReason();
    Outcome written = WriteInParts(file, bytes);
    if (!Seek(file, end, FILE_BEGIN) && !written) return LastReason();
    return written;
}

OutputFile::Outcome OutputFile::Cut(std::uint64_t size) {
    HANDLE file = Handle(handle_);
    if (!Seek(file, static_cast<std::int64_t>(size), FILE_BEGIN) || !SetEndOfFile(file)) {
        return LastReason();
    }
    return std::nullopt;
}

// A file on a disk is flushed first, so that a power cut after the game
// leaves all of it there.
OutputFile::Outcome OutputFile::SyncAndClose() {
    HANDLE file = Handle(handle_);
    handle_ = -1;
    Outcome failure;
    if (regular_ && !failed() && !FlushFileBuffers(file)) failure = LastReason();
    if (owned_ && !CloseHandle(file) && !failure) failure = LastReason();
    return failure;
}

}  // namespace platform
