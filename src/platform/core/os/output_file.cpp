#include "platform/core/os/output_file.h"

#include <cstdio>

#include "platform/api/start.h"

namespace platform {

OutputFile::OutputFile(std::string name, std::string what, StandardStream standard)
    : name_(std::move(name)), what_(std::move(what)) {
    if (name_ == "-" && standard != StandardStream::None) {
        OpenStandard(standard);
        owned_ = false;
    } else if (Outcome failure = OpenNamed()) {
        throw BackendError(Problem(*failure), kBadFileExitCode);
    }
    open_ = true;
    LearnKind();
}

OutputFile::~OutputFile() {
    Close();
}

bool OutputFile::Write(std::string_view bytes) {
    if (failed() || !open_) return false;
    if (Outcome failure = WriteAll(bytes, -1)) Fail(*failure);
    return !failed();
}

bool OutputFile::WriteAt(std::uint64_t offset, std::string_view bytes) {
    if (failed() || !seekable_ || !open_) return false;
    if (Outcome failure = WriteAll(bytes, static_cast<std::int64_t>(offset))) Fail(*failure);
    return !failed();
}

bool OutputFile::CutTo(std::uint64_t size) {
    if (failed() || !seekable_ || !open_) return false;
    if (Outcome failure = Cut(size)) Fail(*failure);
    return !failed();
}

bool OutputFile::Close() {
    if (!open_) return !failed();
    open_ = false;
    if (Outcome failure = SyncAndClose()) Fail(*failure);
    return !failed();
}

std::string OutputFile::Problem(const std::string& reason) const {
    return name_ + ": cannot write the " + what_ + " (" + reason + ")";
}

void OutputFile::Fail(const std::string& reason) {
    if (failed_.exchange(true)) return;
    std::fprintf(stderr, "farhaven: %s\n", Problem(reason).c_str());
}

}  // namespace platform
