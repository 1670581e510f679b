// The application's message queue and its windows: which procedure each
// window has, and the default handling of the messages a procedure leaves.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>

#include "platform/api/window.h"

namespace platform {

class MessageQueue {
public:
    void Post(const Message& message) { messages_.push_back(message); }
    bool Empty() const { return messages_.empty(); }
    const Message& Front() const { return messages_.front(); }
    Message Take();

private:
    std::deque<Message> messages_;
};

class WindowTable {
public:
    bool RegisterClass(const std::string& name, WindowProcedure procedure);
    std::optional<WindowProcedure> ClassProcedure(const std::string& name) const;

    WindowHandle Add(WindowProcedure procedure);
    void Remove(WindowHandle window);
    // The window's procedure, or none when the window does not exist.
    std::optional<WindowProcedure> Procedure(WindowHandle window) const;

private:
    std::map<std::string, WindowProcedure> classes_;
    std::map<WindowHandle, WindowProcedure> windows_;
    WindowHandle nextHandle_ = 1;
};

}  // namespace platform
