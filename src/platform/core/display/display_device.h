// The display device every backend shares: it checks what the game asks
// for, makes memory surfaces in the screen's format and leaves the screen
// itself (its mode, format and showing pictures) to the backend.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/api/display.h"

namespace platform {

// The largest display mode accepted in either direction.
constexpr std::uint16_t kMaxModeSide = 8192;

class MemoryDisplayDevice : public DisplayDevice {
public:
    HRESULT Initialize() override;
    HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t flags) override;
    HRESULT SetDisplayMode(std::uint16_t width, std::uint16_t height,
                           std::uint16_t bitsPerPixel) override;
    HRESULT CreatePrimarySurface(std::uint32_t backBufferCount,
                                 std::unique_ptr<Surface>& primary) override;
    HRESULT CreateSurface(std::uint16_t width, std::uint16_t height,
                          std::unique_ptr<Surface>& surface) override;
    HRESULT RestoreDisplayMode() override;
    HRESULT FlipToGDISurface() override;

private:
    std::uint16_t modeWidth_ = 0;
    std::uint16_t modeHeight_ = 0;
};

}  // namespace platform
