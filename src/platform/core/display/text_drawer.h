// Text into a memory surface: solid glyphs from the cache in one pixel
// value, the background left as it is, clipped at the surface's edges (a
// text may start left of or above the surface, or run off its far edges);
// and the device context that draws it for the game.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/api/display.h"
#include "platform/core/display/font.h"
#include "platform/core/display/memory_surface.h"

namespace platform {

// (x, y) is the top-left corner of the first character's cell.
void DrawText(MemorySurface& surface, GlyphCache& glyphs, std::int32_t x, std::int32_t y,
              std::string_view text, std::uint16_t pixel);

// A device context on a memory surface: text colour, background mode and
// mapping mode, and text output through the drawer above.
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
