// The default font's glyphs as solid masks, rendered once per character:
// the heads-up line draws three texts every frame, and rendering each glyph
// anew would cost more than the whole rest of the frame.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/font.h"

namespace platform {

struct Glyph {
    std::int32_t offsetX = 0;  // from the pen position to the mask's left column
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t advance = 0;        // how far the pen moves on
    std::vector<std::uint8_t> mask;  // width × height, 1 where the glyph is inked
};

class GlyphCache {
public:
    explicit GlyphCache(Font& font) : font_(font) {}

    // The glyph of a character of the game's 8-bit texts (Latin-1).
    const Glyph& Get(std::uint8_t character);

private:
    Glyph Render(std::uint8_t character) const;

    Font& font_;
    std::array<std::unique_ptr<Glyph>, 256> glyphs_;
};

}  // namespace platform
