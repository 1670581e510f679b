#include "platform/core/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/api/start.h"

namespace platform {
namespace {

std::string Problem(const std::string& name, const std::string& what, int error) {
    return name + ": cannot write the " + what + " (" + std::strerror(error) + ")";
}

// Writes all of the bytes, where a signal or a full pipe may take them in parts.
bool WriteAll(int descriptor, std::string_view bytes, std::int64_t offset, int& error) {
    while (!bytes.empty()) {
        ssize_t done = offset < 0 ? ::write(descriptor, bytes.data(), bytes.size())
                                  : ::pwrite(descriptor, bytes.data(), bytes.size(), offset);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) {
            error = done < 0 ? errno : EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
        if (offset >= 0) offset += done;
    }
    return true;
}

}  // namespace

OutputFile::OutputFile(std::string name, std::string what, int standardStream)
    : name_(std::move(name)), what_(std::move(what)) {
    if (name_ == "-" && standardStream >= 0) {
        descriptor_ = standardStream;
        owned_ = false;
    } else {
        descriptor_ = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (descriptor_ < 0) throw BackendError(Problem(name_, what_, errno), kBadFileExitCode);
    }
    // Standard output may be a file opened for appending, or one already
    // written to: its beginning is not this file's to write again.
    struct stat status {};
    int flags = ::fcntl(descriptor_, F_GETFL);
    seekable_ = ::fstat(descriptor_, &status) == 0 && S_ISREG(status.st_mode) && flags >= 0 &&
                (flags & O_APPEND) == 0 && ::lseek(descriptor_, 0, SEEK_CUR) == 0;
}

OutputFile::~OutputFile() {
    Close();
}

bool OutputFile::Write(std::string_view bytes) {
    int error = 0;
    if (failed() || descriptor_ < 0) return false;
    if (!WriteAll(descriptor_, bytes, -1, error)) Fail(error);
    return !failed();
}

bool OutputFile::WriteAt(std::uint64_t offset, std::string_view bytes) {
    int error = 0;
    if (failed() || !seekable_ || descriptor_ < 0) return false;
    if (!WriteAll(descriptor_, bytes, static_cast<std::int64_t>(offset), error)) Fail(error);
    return !failed();
}

bool OutputFile::CutTo(std::uint64_t size) {
    if (failed() || !seekable_ || descriptor_ < 0) return false;
    if (::ftruncate(descriptor_, static_cast<off_t>(size)) != 0 ||
        ::lseek(descriptor_, static_cast<off_t>(size), SEEK_SET) < 0) {
        Fail(errno);
    }
    return !failed();
}

bool OutputFile::Close() {
    if (descriptor_ < 0) return !failed();
    // A file closed after an interruption is still closed: the system
    // gives the descriptor back whatever close says.
    if (owned_ && ::close(descriptor_) != 0 && errno != EINTR) Fail(errno);
    descriptor_ = -1;
    return !failed();
}

void OutputFile::Fail(int error) {
    if (failed_.exchange(true)) return;
    std::fprintf(stderr, "farhaven: %s\n", Problem(name_, what_, error).c_str());
}

}  // namespace platform
