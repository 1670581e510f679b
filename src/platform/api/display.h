// The page-flipped 16-bit display: a device, its surfaces, colour-fill and
// colour-keyed blits, the waiting flip, and device contexts for text.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/api/codes.h"
#include "platform/api/window.h"

namespace platform {

// Right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct PixelFormat {
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
};

// Where a locked surface's pixels are: rows `pitch` bytes apart.
struct LockedSurface {
    std::uint8_t* bits = nullptr;
    std::int32_t pitch = 0;
};

// Red in the low byte, then green, then blue.
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr std::uint32_t DDSCL_FULLSCREEN = 0x01;
constexpr std::uint32_t DDSCL_EXCLUSIVE = 0x10;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int MM_TEXT = 1;

// Draws text on a surface in the default font; text running off the surface
// is clipped at its edges.
class DeviceContext {
public:
    virtual ~DeviceContext() = default;
    virtual void SetTextColor(COLORREF color) = 0;
    virtual void SetBkMode(int mode) = 0;
    virtual void SetMapMode(int mode) = 0;
    virtual bool TextOut(std::int32_t x, std::int32_t y, std::string_view text) = 0;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual std::uint16_t Width() const = 0;
    virtual std::uint16_t Height() const = 0;
    virtual HRESULT GetPixelFormat(PixelFormat& format) const = 0;

    virtual HRESULT Lock(LockedSurface& locked) = 0;
    virtual HRESULT Unlock() = 0;

    // Fills the whole surface with a pixel value (its low 16 bits).
    virtual HRESULT ColorFill(std::uint32_t color) = 0;
    // Copies the source rectangle to the destination rectangle, stretching to
    // its size, leaving out source pixels equal to colorKey. A destination
    // not wholly inside this surface is refused with DDERR_INVALIDRECT.
    virtual HRESULT BltColorKeyed(const Rect& destination, Surface& source, const Rect& sourceRect,
                                  std::uint32_t colorKey) = 0;

    // On the primary surface of a flipping chain: its first back buffer,
    // owned by the chain.
    virtual HRESULT GetAttachedBackBuffer(Surface*& backBuffer) = 0;
    // On the primary surface: shows the target (the back buffer) and makes
    // the next back buffer the one that receives drawing. Waits for the
    // display. With the primary itself as target the primary is shown as it is.
    virtual HRESULT Flip(Surface& target) = 0;

    virtual HRESULT GetDC(std::unique_ptr<DeviceContext>& context) = 0;
    virtual void ReleaseDC(std::unique_ptr<DeviceContext> context) = 0;
};

class DisplayDevice {
public:
    virtual ~DisplayDevice() = default;
    virtual HRESULT Initialize() = 0;
    virtual HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t flags) = 0;
    virtual HRESULT SetDisplayMode(std::uint16_t width, std::uint16_t height,
                                   std::uint16_t bitsPerPixel) = 0;
    // The visible surface with its chain of back buffers.
    virtual HRESULT CreatePrimarySurface(std::uint32_t backBufferCount,
                                         std::unique_ptr<Surface>& primary) = 0;
    // An off-screen surface in the screen's format.
    virtual HRESULT CreateSurface(std::uint16_t width, std::uint16_t height,
                                  std::unique_ptr<Surface>& surface) = 0;
    virtual HRESULT RestoreDisplayMode() = 0;
    virtual HRESULT FlipToGDISurface() = 0;
};

HRESULT CreateDisplayDevice(std::unique_ptr<DisplayDevice>& device);

// Called as the game gives up the display, with the surface on the screen:
// saves that picture when the command line asked for it (--screenshot).
// Nothing once the platform is gone.
void SaveRequestedScreenshot(const Surface& visible);

}  // namespace platform
