#include "platform/core/display/display_device.h"

#include "platform/core/display/display_host.h"
#include "platform/core/display/flipping_chain.h"
#include "platform/core/display/memory_surface.h"

namespace platform {

HRESULT CreateDisplayDevice(std::unique_ptr<DisplayDevice>& device) {
    HRESULT injected = InjectedDisplayFailure("ddraw.create");
    if (Failed(injected)) return injected;
    device = std::make_unique<MemoryDisplayDevice>();
    return S_OK;
}

HRESULT MemoryDisplayDevice::Initialize() {
    return InjectedDisplayFailure("ddraw.init");
}

HRESULT MemoryDisplayDevice::SetCooperativeLevel(WindowHandle /*window*/, std::uint32_t /*flags*/) {
    // There is one window and the screen is ours alone; only a requested
    // failure is left to report.
    return InjectedDisplayFailure("ddraw.cooperative");
}

HRESULT MemoryDisplayDevice::SetDisplayMode(std::uint16_t width, std::uint16_t height,
                                            std::uint16_t bitsPerPixel) {
    HRESULT injected = InjectedDisplayFailure("ddraw.mode");
    if (Failed(injected)) return injected;
    if (width == 0 || height == 0 || width > kMaxModeSide || height > kMaxModeSide ||
        bitsPerPixel != 16) {
        return DDERR_INVALIDMODE;
    }
    HRESULT result = TheDisplayHost().SetDisplayMode(width, height);
    if (Failed(result)) return result;
    modeWidth_ = width;
    modeHeight_ = height;
    return S_OK;
}

HRESULT MemoryDisplayDevice::CreatePrimarySurface(std::uint32_t backBufferCount,
                                                  std::unique_ptr<Surface>& primary) {
    HRESULT injected = InjectedDisplayFailure("ddraw.primary");
    if (Failed(injected)) return injected;
    if (modeWidth_ == 0) return DDERR_INVALIDMODE;  // no mode set: nothing to show on
    if (backBufferCount == 0) return DDERR_INVALIDCAPS;
    auto chain = PrimarySurface::Create(modeWidth_, modeHeight_, TheDisplayHost().ScreenFormat(),
                                        backBufferCount);
    if (!chain) return DDERR_OUTOFVIDEOMEMORY;
    primary = std::move(chain);
    return S_OK;
}

HRESULT MemoryDisplayDevice::CreateSurface(std::uint16_t width, std::uint16_t height,
                                           std::unique_ptr<Surface>& surface) {
    HRESULT injected = InjectedDisplayFailure("ddraw.surface");
    if (Failed(injected)) return injected;
    if (width == 0 || height == 0) return E_INVALIDARG;
    auto made = MemorySurface::Create(width, height, TheDisplayHost().ScreenFormat());
    if (!made) return E_OUTOFMEMORY;
    surface = std::move(made);
    return S_OK;
}

HRESULT MemoryDisplayDevice::RestoreDisplayMode() {
    TheDisplayHost().RestoreDisplayMode();
    return S_OK;
}

// The desktop is already in front once the mode is restored.
HRESULT MemoryDisplayDevice::FlipToGDISurface() {
    return S_OK;
}

}  // namespace platform
