// A device context on a memory surface: text colour, background mode and
// mapping mode, and text output through the shared text drawer.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/api/display.h"
#include "platform/core/glyph_cache.h"
#include "platform/core/memory_surface.h"

namespace platform {

class SurfaceContext : public DeviceContext {
public:
    SurfaceContext(MemorySurface& surface, GlyphCache& glyphs)
        : surface_(surface), glyphs_(glyphs) {}

    void SetTextColor(COLORREF color) override { color_ = color; }
    // Text is always drawn on a transparent background (TRANSPARENT) at
    // surface pixels (MM_TEXT): those are the only modes the game uses.
    void SetBkMode(int /*mode*/) override {}
    void SetMapMode(int /*mode*/) override {}
    bool TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;

private:
    MemorySurface& surface_;
    GlyphCache& glyphs_;
    COLORREF color_ = 0;  // black, as a fresh context has it
};

}  // namespace platform
