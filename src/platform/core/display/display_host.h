// What the display's shared code needs of the platform above it: the screen
// underneath, the default font's glyphs, the frame count and the failures a
// test asked for. The installed platform is the host, and makes the
// functions at the end; surfaces made with no platform (the benchmarks,
// tests of bare surfaces) draw as ever and show nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/api/codes.h"
#include "platform/api/display.h"

namespace platform {

class GlyphCache;
class MemorySurface;

// One text output, as a device context made it.
struct TextOutput {
    const Surface* surface = nullptr;  // where it was drawn
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string_view text;
    COLORREF color = 0;
};

class DisplayHost {
public:
    // A failure that a test asked for at a named step ("ddraw.lock"), or S_OK.
    virtual HRESULT InjectedFailure(std::string_view step) = 0;

    // The screen: its format, its mode, and the pictures shown on it.
    virtual PixelFormat ScreenFormat() const = 0;
    virtual HRESULT SetDisplayMode(std::uint16_t width, std::uint16_t height) = 0;
    virtual void RestoreDisplayMode() = 0;
    // The waiting flip: shows the front surface, returns at the display's
    // next refresh and counts the frame's flip.
    virtual void ShowAndWait(const MemorySurface& front) = 0;
    // Something was drawn straight onto the front surface: shown soon.
    virtual void FrontChanged(const MemorySurface& front) = 0;
    virtual void TextDrawn(const TextOutput& output) = 0;

    // The default font's glyphs; throws FontError when the font cannot be had.
    virtual GlyphCache& glyphs() = 0;

    // Where the picture visible at the end goes (`--screenshot`), or empty;
    // a failure to save it is kept for the exit code.
    virtual const std::string& screenshotFile() const = 0;
    virtual void NoteScreenshotFailed() = 0;

protected:
    ~DisplayHost() = default;
};

// The installed host, or null.
DisplayHost* CurrentDisplayHost();
// The installed host; using the display without one is a programming error
// and aborts with a message.
DisplayHost& TheDisplayHost();
// The failure asked for at a display step; S_OK with no host installed.
HRESULT InjectedDisplayFailure(std::string_view step);

}  // namespace platform
