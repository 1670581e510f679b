// The player's output files on POSIX systems: descriptors, written whole
// through interruptions and short writes, synced before they are closed.
#include "platform/core/os/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

std::string Reason(int error) {
    return std::strerror(error);
}

}  // namespace

OutputFile::Outcome OutputFile::OpenNamed() {
    int descriptor = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) return Reason(errno);
    handle_ = descriptor;
    return std::nullopt;
}

void OutputFile::OpenStandard(StandardStream standard) {
    handle_ = standard == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
}

// Standard output may be a file opened for appending, or one already
// written to: its beginning is not this file's to write again.
void OutputFile::LearnKind() {
    auto descriptor = static_cast<int>(handle_);
    struct stat status {};
    int flags = ::fcntl(descriptor, F_GETFL);
    regular_ = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    seekable_ =
        regular_ && flags >= 0 && (flags & O_APPEND) == 0 && ::lseek(descriptor, 0, SEEK_CUR) == 0;
}

// Writes all of the bytes, where a signal or a full pipe may take them in parts.
OutputFile::Outcome OutputFile::WriteAll(std::string_view bytes, std::int64_t offset) {
    auto descriptor = static_cast<int>(handle_);
    while (!bytes.empty()) {
        ssize_t done = offset < 0 ? ::write(descriptor, bytes.data(), bytes.size())
                                  : ::pwrite(descriptor, bytes.data(), bytes.size(), offset);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return Reason(done < 0 ? errno : EIO);
        bytes.remove_prefix(static_cast<std::size_t>(done));
        if (offset >= 0) offset += done;
    }
    return std::nullopt;
}

OutputFile::Outcome OutputFile::Cut(std::uint64_t size) {
    auto descriptor = static_cast<int>(handle_);
    if (::ftruncate(descriptor, static_cast<off_t>(size)) != 0 ||
        ::lseek(descriptor, static_cast<off_t>(size), SEEK_SET) < 0) {
        return Reason(errno);
    }
    return std::nullopt;
}

// A file on a disk is synced first, so that a power cut after the game
// leaves all of it there. A file closed after an interruption is still
// closed: the system gives the descriptor back whatever close says.
OutputFile::Outcome OutputFile::SyncAndClose() {
    auto descriptor = static_cast<int>(handle_);
    handle_ = -1;
    Outcome failure;
    if (regular_ && !failed() && ::fsync(descriptor) != 0 && errno != EINVAL) {
        failure = Reason(errno);
    }
    if (owned_ && ::close(descriptor) != 0 && errno != EINTR && !failure) failure = Reason(errno);
    return failure;
}

}  // namespace platform
