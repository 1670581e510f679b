#include "platform/core/message_queue.h"

namespace platform {

Message MessageQueue::Take() {
    Message message = messages_.front();
    messages_.pop_front();
    return message;
}

bool WindowTable::RegisterClass(const std::string& name, WindowProcedure procedure) {
    if (name.empty() || procedure == nullptr || classes_.contains(name)) return false;
    classes_[name] = procedure;
    return true;
}

std::optional<WindowProcedure> WindowTable::ClassProcedure(const std::string& name) const {
    auto found = classes_.find(name);
    if (found == classes_.end()) return std::nullopt;
    return found->second;
}

WindowHandle WindowTable::Add(WindowProcedure procedure) {
    WindowHandle handle = nextHandle_++;
    windows_[handle] = procedure;
    return handle;
}

void WindowTable::Remove(WindowHandle window) {
    windows_.erase(window);
}

std::optional<WindowProcedure> WindowTable::Procedure(WindowHandle window) const {
    auto found = windows_.find(window);
    if (found == windows_.end()) return std::nullopt;
    return found->second;
}

}  // namespace platform
