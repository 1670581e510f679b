// What a backend must provide. The shared core (message queue, window table,
// debug channel, surfaces, blits, text, mixing) sits on top; a backend only
// supplies the clock, the system's events, the screen, the audio output and
// the key state underneath. There are two: SDL for players, headless for
// deterministic tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/api/codes.h"
#include "platform/api/display.h"
#include "platform/api/input.h"
#include "platform/api/sound.h"
#include "platform/api/start.h"
#include "platform/core/display/display_host.h"
#include "platform/core/display/memory_surface.h"

namespace platform {

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

    // The keys held down now, as bits 0x80 in a cleared state of scan codes.
    // The shared keyboard calls it for every successful reading.
    virtual void ReadKeys(KeyState& keys) = 0;

    // The display's edge. The shared display device (core/display/display_device.h)
    // keeps every surface in memory in the screen's format; the backend
    // knows that format, sets the mode and shows pictures.
    virtual PixelFormat ScreenFormat() const = 0;
    virtual HRESULT SetDisplayMode(std::uint16_t width, std::uint16_t height) = 0;
    // Gives the screen back to the desktop, so that a message box can be seen.
    virtual void RestoreDisplayMode() = 0;
    // The waiting flip: shows the front surface and returns at the display's
    // next refresh (the game's frames are paced by it).
    virtual void Present(const MemorySurface& front) = 0;
    // Something was drawn straight onto the front surface (the fading
    // texts): shown soon, without waiting for a refresh.
    virtual void FrontChanged(const MemorySurface& /*front*/) {}
    // Every text output, for backends that let tests read them back.
    virtual void TextDrawn(const TextOutput& /*output*/) {}

    virtual HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) = 0;

    // The sound file of `--audio-out`, if any: whether writing it has failed
    // (asked on every look at the message queue), and finishing it once the
    // game has given up its sound devices; false when it could not be
    // written in full (already said on standard error).
    virtual bool SoundFileFailed() const { return false; }
    virtual bool FinishSoundFile() { return true; }
};

}  // namespace platform
