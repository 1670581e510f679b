#include "platform/core/display/memory_surface.h"

#include "platform/core/display/display_host.h"

namespace platform {

std::int32_t MemorySurface::PitchFor(std::uint16_t width) {
    return (std::int32_t{width} * 2 + 32) & ~31;
}

PixelMemory MemorySurface::Allocate(std::uint16_t width, std::uint16_t height) {
    if (width == 0 || height == 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide) {
        return nullptr;
    }
    // calloc: large surfaces get fresh zero pages without touching them.
    std::size_t pixels = static_cast<std::size_t>(PitchFor(width) / 2) * height;
    return PixelMemory(static_cast<std::uint16_t*>(std::calloc(pixels, sizeof(std::uint16_t))));
}

std::unique_ptr<MemorySurface> MemorySurface::Create(std::uint16_t width, std::uint16_t height,
                                                     const PixelFormat& format) {
    PixelMemory pixels = Allocate(width, height);
    if (!pixels) return nullptr;
    return std::unique_ptr<MemorySurface>(
        new MemorySurface(width, height, format, std::move(pixels)));
}

MemorySurface::MemorySurface(std::uint16_t width, std::uint16_t height, const PixelFormat& format,
                             PixelMemory pixels)
    : width_(width),
      height_(height),
      pitch_(PitchFor(width)),
      format_(format),
      pixels_(std::move(pixels)) {}

HRESULT MemorySurface::GetPixelFormat(PixelFormat& format) const {
    HRESULT injected = InjectedDisplayFailure("ddraw.pixelformat");
    if (Failed(injected)) return injected;
    format = format_;
    return S_OK;
}

HRESULT MemorySurface::Lock(LockedSurface& locked) {
    HRESULT injected = InjectedDisplayFailure("ddraw.lock");
    if (Failed(injected)) return injected;
    locked.bits = reinterpret_cast<std::uint8_t*>(pixels_.get());
    locked.pitch = pitch_;
    return S_OK;
}

HRESULT MemorySurface::Unlock() {
    Drawn();
    return S_OK;
}

HRESULT MemorySurface::GetAttachedBackBuffer(Surface*& /*backBuffer*/) {
    return DDERR_INVALIDOBJECT;
}

HRESULT MemorySurface::Flip(Surface& /*target*/) {
    return DDERR_INVALIDOBJECT;
}

}  // namespace platform
