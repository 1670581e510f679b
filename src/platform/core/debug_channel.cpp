#include "platform/core/debug_channel.h"

namespace platform {

bool DebugChannel::Open(const std::string& destination) {
    file_.reset();
    sink_ = nullptr;
    if (destination.empty()) return true;
    if (destination == "-") {
        sink_ = stderr;
        return true;
    }
    file_.reset(std::fopen(destination.c_str(), "wb"));
    sink_ = file_.get();
    return sink_ != nullptr;
}

void DebugChannel::Write(std::string_view text) {
    if (sink_ != nullptr) {
        std::fwrite(text.data(), 1, text.size(), sink_);
        std::fflush(sink_);
    }
    if (keepTranscript_) transcript_.append(text);
}

}  // namespace platform
