// The visible surface with its back buffers. A flip hands the pixel memory
// along the chain instead of swapping objects, so the primary always holds
// what is on the screen and the first back buffer always receives the next
// frame: whoever keeps a pointer to either keeps the right one.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/display/memory_surface.h"

namespace platform {

class PrimarySurface : public MemorySurface {
public:
    // Empty when memory runs out or the size cannot be a surface.
    static std::unique_ptr<PrimarySurface> Create(std::uint16_t width, std::uint16_t height,
                                                  const PixelFormat& format,
                                                  std::uint32_t backBufferCount);

    HRESULT GetAttachedBackBuffer(Surface*& backBuffer) override;
    // With the first back buffer as target: it becomes the front and every
    // buffer moves up one place. With the primary itself: it is shown as it
    // is. Either way the call waits for the display's next refresh.
    HRESULT Flip(Surface& target) override;
    // Drawing straight onto the screen is shown without a flip.
    void Drawn() override;

private:
    using MemorySurface::MemorySurface;
    void Rotate();
    void ShowAndWait();

    std::vector<std::unique_ptr<MemorySurface>> backBuffers_;
};

}  // namespace platform
