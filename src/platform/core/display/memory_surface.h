// A surface whose pixels live in ordinary memory: every surface of the
// display is one. It owns its pixels outright and its destructor touches
// nothing else, so it may outlive the device and the platform (the game
// keeps sprites in lists that are destroyed after main returns).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/api/display.h"

namespace platform {

// Nothing the game shows comes near this; larger requests are refused as if
// memory had run out instead of reserving gigabytes.
constexpr std::uint16_t kMaxSurfaceSide = 8192;

struct FreePixels {
    void operator()(std::uint16_t* pixels) const { std::free(pixels); }
};
using PixelMemory = std::unique_ptr<std::uint16_t[], FreePixels>;

class MemorySurface : public Surface {
public:
    // All pixels 0; empty when the size is 0, too large, or memory runs out.
    static std::unique_ptr<MemorySurface> Create(std::uint16_t width, std::uint16_t height,
                                                 const PixelFormat& format);
    // Bytes from one row to the next: always more than width × 2 (so code
    // that ignores the pitch shows up at once) and a multiple of 32.
    static std::int32_t PitchFor(std::uint16_t width);

    std::uint16_t Width() const override { return width_; }
    std::uint16_t Height() const override { return height_; }
    HRESULT GetPixelFormat(PixelFormat& format) const override;

    HRESULT Lock(LockedSurface& locked) override;
    HRESULT Unlock() override;

    // Fills and blits are made in blitter.cpp, text in text_drawer.cpp: a
    // surface is only memory, and the drawing knows the surface, not the
    // other way round.
    HRESULT ColorFill(std::uint32_t color) override;
    HRESULT BltColorKeyed(const Rect& destination, Surface& source, const Rect& sourceRect,
                          std::uint32_t colorKey) override;

    // An off-screen surface has neither a back buffer nor anything to flip.
    HRESULT GetAttachedBackBuffer(Surface*& backBuffer) override;
    HRESULT Flip(Surface& target) override;

    HRESULT GetDC(std::unique_ptr<DeviceContext>& context) override;
    void ReleaseDC(std::unique_ptr<DeviceContext> context) override;

    // Direct access for the pixel loops of the platform.
    const PixelFormat& format() const { return format_; }
    std::int32_t pitch() const { return pitch_; }
    std::uint16_t* Row(std::int32_t y) { return pixels_.get() + y * (pitch_ / 2); }
    const std::uint16_t* Row(std::int32_t y) const { return pixels_.get() + y * (pitch_ / 2); }

    // A flip hands pixel memory along its chain; sizes are equal there.
    void SwapPixels(MemorySurface& other) { pixels_.swap(other.pixels_); }

    // Something was drawn into the surface (fill, blit, unlocked writes, text).
    virtual void Drawn() {}

protected:
    MemorySurface(std::uint16_t width, std::uint16_t height, const PixelFormat& format,
                  PixelMemory pixels);
    // Zeroed memory for a surface of that size, or empty.
    static PixelMemory Allocate(std::uint16_t width, std::uint16_t height);

private:
    std::uint16_t width_;
    std::uint16_t height_;
    std::int32_t pitch_;
    PixelFormat format_;
    PixelMemory pixels_;
};

}  // namespace platform
