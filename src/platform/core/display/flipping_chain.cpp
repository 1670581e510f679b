#include "platform/core/display/flipping_chain.h"

#include "platform/core/display/display_host.h"

namespace platform {

std::unique_ptr<PrimarySurface> PrimarySurface::Create(std::uint16_t width, std::uint16_t height,
                                                       const PixelFormat& format,
                                                       std::uint32_t backBufferCount) {
    PixelMemory pixels = Allocate(width, height);
    if (!pixels) return nullptr;
    std::unique_ptr<PrimarySurface> primary(
        new PrimarySurface(width, height, format, std::move(pixels)));
    for (std::uint32_t i = 0; i < backBufferCount; ++i) {
        auto backBuffer = MemorySurface::Create(width, height, format);
        if (!backBuffer) return nullptr;
        primary->backBuffers_.push_back(std::move(backBuffer));
    }
    return primary;
}

HRESULT PrimarySurface::GetAttachedBackBuffer(Surface*& backBuffer) {
    HRESULT injected = InjectedDisplayFailure("ddraw.backbuffer");
    if (Failed(injected)) return injected;
    if (backBuffers_.empty()) return DDERR_INVALIDCAPS;
    backBuffer = backBuffers_.front().get();
    return S_OK;
}

HRESULT PrimarySurface::Flip(Surface& target) {
    if (&target != this) {
        if (backBuffers_.empty() || &target != backBuffers_.front().get()) return E_INVALIDARG;
        Rotate();
    }
    ShowAndWait();
    return S_OK;
}

void PrimarySurface::Drawn() {
    if (DisplayHost* host = CurrentDisplayHost()) host->FrontChanged(*this);
}

void PrimarySurface::Rotate() {
    SwapPixels(*backBuffers_.front());
    for (std::size_t i = 1; i < backBuffers_.size(); ++i) {
        backBuffers_[i - 1]->SwapPixels(*backBuffers_[i]);
    }
}

void PrimarySurface::ShowAndWait() {
    if (DisplayHost* host = CurrentDisplayHost()) host->ShowAndWait(*this);
}

}  // namespace platform
