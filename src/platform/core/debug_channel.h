// Where the debug channel's text goes: a file, standard error, or nowhere;
// tests can also keep a transcript of everything written.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "platform/api/system.h"

namespace platform {

class DebugChannel {
public:
    // "-" for standard error, a path for a file, empty for nowhere. False
    // when the file cannot be opened.
    bool Open(const std::string& destination);
    void Write(std::string_view text);

    void KeepTranscript(bool keep) { keepTranscript_ = keep; }
    const std::string& Transcript() const { return transcript_; }
    void ClearTranscript() { transcript_.clear(); }

private:
    File file_;
    std::FILE* sink_ = nullptr;
    bool keepTranscript_ = false;
    std::string transcript_;
};

}  // namespace platform
