#include "platform/core/os/debug_channel.h"

namespace platform {

void DebugChannel::Open(const std::string& destination) {
    file_.reset();
    if (!destination.empty()) {
        file_ = std::make_unique<OutputFile>(destination, "log file", StandardStream::Error);
    }
}

void DebugChannel::Write(std::string_view text) {
    if (file_) file_->Write(text);
    if (keepTranscript_) transcript_.append(text);
}

}  // namespace platform
