// Where the debug channel's text goes: a file, standard error, or nowhere;
// tests can also keep a transcript of everything written.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/core/os/output_file.h"

namespace platform {

class DebugChannel {
public:
    // "-" for standard error, a path for a file, empty for nowhere. Throws
    // BackendError (exit code 2) when the file cannot be opened.
    void Open(const std::string& destination);
    void Write(std::string_view text);

    bool failed() const { return file_ && file_->failed(); }
    // False when the file could not be written in full (already said).
    bool Close() { return !file_ || file_->Close(); }

    void KeepTranscript(bool keep) { keepTranscript_ = keep; }
    const std::string& Transcript() const { return transcript_; }
    void ClearTranscript() { transcript_.clear(); }

private:
    std::unique_ptr<OutputFile> file_;
    bool keepTranscript_ = false;
    std::string transcript_;
};

}  // namespace platform
