// Text into a memory surface: solid glyphs from the cache in one pixel
// value, the background left as it is, clipped at the surface's edges (a
// text may start left of or above the surface, or run off its far edges).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/core/glyph_cache.h"
#include "platform/core/memory_surface.h"

namespace platform {

// (x, y) is the top-left corner of the first character's cell.
void DrawText(MemorySurface& surface, GlyphCache& glyphs, std::int32_t x, std::int32_t y,
              std::string_view text, std::uint16_t pixel);

}  // namespace platform
