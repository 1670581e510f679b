#include "platform/core/glyph_cache.h"

#include <SDL2/SDL_ttf.h>

#include <algorithm>

namespace platform {
namespace {
struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using RenderedGlyph = std::unique_ptr<SDL_Surface, FreeSurface>;
}  // namespace

const Glyph& GlyphCache::Get(std::uint8_t character) {
    auto& glyph = glyphs_[character];
    if (!glyph) glyph = std::make_unique<Glyph>(Render(character));
    return *glyph;
}

Glyph GlyphCache::Render(std::uint8_t character) const {
    Glyph glyph;
    int minX = 0;
    int advance = 0;
    if (TTF_GlyphMetrics32(font_.handle(), character, &minX, nullptr, nullptr, nullptr, &advance) ==
        0) {
        glyph.advance = advance;
    }
    // Solid rendering: one ink colour, no anti-aliasing, so the text keeps
    // exactly the colour it is drawn in. A glyph that reaches left of its
    // pen position comes out with its surface starting there.
    RenderedGlyph rendered(
        TTF_RenderGlyph32_Solid(font_.handle(), character, {255, 255, 255, 255}));
    if (!rendered) return glyph;  // nothing to ink (a control or soft hyphen, say)
    glyph.offsetX = std::min(minX, 0);
    glyph.width = rendered->w;
    glyph.height = rendered->h;
    glyph.mask.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    SDL_LockSurface(rendered.get());
    for (int y = 0; y < glyph.height; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(rendered->pixels) + y * rendered->pitch;
        for (int x = 0; x < glyph.width; ++x) {
            glyph.mask[static_cast<std::size_t>(y * glyph.width + x)] = row[x] != 0 ? 1 : 0;
        }
    }
    SDL_UnlockSurface(rendered.get());
    return glyph;
}

}  // namespace platform
