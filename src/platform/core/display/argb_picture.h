// The screen's picture as the window's texture takes it (32-bit 0xFFRRGGBB,
// see argb_convert.h), kept from flip to flip. From one frame to the next
// most of the picture stays as it was (the stars behind, the bricks, the
// heads-up line): only the spans that changed are converted again, and only
// the rows that hold them need to go to the texture. Reading the new picture
// beside the one kept costs half what converting all of it did.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/api/display.h"
#include "platform/core/display/memory_surface.h"

namespace platform {

class ArgbPicture {
public:
    // Rows first to first + count - 1.
    struct Rows {
        std::int32_t first = 0;
        std::int32_t count = 0;
        bool operator==(const Rows&) const = default;
    };

    // Brings the picture up to date with the surface: the runs of rows that
    // changed, top to bottom; all of them the first time, after Forget, and
    // when the surface's size or format is new.
    const std::vector<Rows>& Update(const MemorySurface& surface);
    // What the picture was made from is not known any more (a new texture
    // holds nothing yet): the next update converts everything.
    void Forget() { width_ = 0; }

    const std::uint32_t* Row(std::int32_t y) const {
        return argb_.data() + static_cast<std::size_t>(y) * width_;
    }
    std::int32_t pitch() const { return width_ * 4; }

private:
    void Start(const MemorySurface& surface);

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    PixelFormat format_;
    std::vector<std::uint16_t> shown_;  // the pixels the picture was converted from
    std::vector<std::uint32_t> argb_;
    std::vector<Rows> changed_;
};

}  // namespace platform
