// What a backend must provide. The shared core (message queue, window table,
// debug channel, surfaces, blits, text, mixing) sits on top; a backend only
// supplies the clock, the system's events, the screen, the audio output and
// the key state underneath. There are two: SDL for players, headless for
// deterministic tests.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/api/codes.h"
#include "platform/api/display.h"
#include "platform/api/input.h"
#include "platform/api/sound.h"

namespace platform {

// A backend could not be started (no display, a bad key script, ...); the
// message names what and where, and the program ends with the exit code.
class BackendError : public std::runtime_error {
public:
    BackendError(const std::string& message, int exitCode)
        : std::runtime_error(message), exitCode_(exitCode) {}
    int exitCode() const { return exitCode_; }

private:
    int exitCode_;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Milliseconds, unsigned 32-bit, wrapping.
    virtual std::uint32_t Now() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // Makes the one application window; false when it cannot be made.
    virtual bool OpenWindow(const std::string& title, std::uint16_t width,
                            std::uint16_t height) = 0;
    virtual void CloseWindow() = 0;
    // Turns the system's waiting events into messages for the window.
    virtual void PumpEvents() = 0;
    // Called when a look at the queue found it empty: the busy game loop
    // comes through here, so a real backend waits briefly for an event.
    virtual void IdleWait() = 0;
    virtual void SetCursorVisible(bool visible) = 0;
    virtual void ShowMessageBox(const std::string& text, const std::string& caption) = 0;

    // A failure that tests asked for at a named platform step ("ddraw.mode",
    // "dinput.acquire", ...), or S_OK. Only the headless backend fails on request.
    virtual HRESULT InjectedFailure(std::string_view /*step*/) { return S_OK; }

    // Called after a frame's first flip with the number of the frame (counted
    // by the keyboard's state readings): the backend posts what is to happen
    // at the end of that frame.
    virtual void EndOfFrame(std::uint32_t /*frame*/) {}

    virtual HRESULT CreateDisplayDevice(std::unique_ptr<DisplayDevice>& device) = 0;
    virtual HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) = 0;
    virtual HRESULT CreateInputSystem(std::unique_ptr<InputSystem>& input) = 0;
};

}  // namespace platform
