// What the keyboard's shared code needs of the platform above it: the keys
// the backend sees, the windows, the platform's count of frames and of lost
// foregrounds, and the failures a test asked for. The installed platform is
// the host, and makes the function at the end.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/api/codes.h"
#include "platform/api/input.h"
#include "platform/api/window.h"

namespace platform {

class InputHost {
public:
    // A failure that a test asked for at a named step ("dinput.state"), or S_OK.
    virtual HRESULT InjectedFailure(std::string_view step) = 0;
    virtual bool IsWindow(WindowHandle window) = 0;

    // A reading of the keyboard's state begins a frame, failed or not; a
    // successful one then reads the keys held down now into a cleared state
    // and tells the platform what the game was given.
    virtual void NoteKeyboardRead() = 0;
    virtual void ReadKeys(KeyState& keys) = 0;

    // How often the keyboard lost the foreground: every keyboard device
    // stays unacquired from a loss until it is acquired again.
    virtual std::uint32_t keyboardLosses() const = 0;

protected:
    ~InputHost() = default;
};

// The installed host; using the keyboard without one is a programming error
// and aborts with a message.
InputHost& TheInputHost();

}  // namespace platform
