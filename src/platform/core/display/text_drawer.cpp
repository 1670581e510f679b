#include "platform/core/display/text_drawer.h"

#include <algorithm>

#include "platform/core/display/display_host.h"
#include "platform/core/display/screen_format.h"

namespace platform {
namespace {

void DrawGlyph(MemorySurface& surface, const Glyph& glyph, std::int64_t left, std::int64_t top,
               std::uint16_t pixel) {
    std::int64_t firstColumn = std::max<std::int64_t>(0, -left);
    std::int64_t endColumn = std::min<std::int64_t>(glyph.width, surface.Width() - left);
    std::int64_t firstRow = std::max<std::int64_t>(0, -top);
    std::int64_t endRow = std::min<std::int64_t>(glyph.height, surface.Height() - top);
    for (std::int64_t row = firstRow; row < endRow; ++row) {
        const std::uint8_t* ink = glyph.mask.data() + row * glyph.width;
        std::uint16_t* to = surface.Row(static_cast<std::int32_t>(top + row)) + left;
        for (std::int64_t column = firstColumn; column < endColumn; ++column) {
            to[column] = ink[column] != 0 ? pixel : to[column];
        }
    }
}

}  // namespace

void DrawText(MemorySurface& surface, GlyphCache& glyphs, std::int32_t x, std::int32_t y,
              std::string_view text, std::uint16_t pixel) {
    // 64-bit pen positions: a text far off either edge can neither wrap nor
    // overflow on its way along.
    std::int64_t pen = x;
    for (char character : text) {
        if (pen >= surface.Width()) break;
        const Glyph& glyph = glyphs.Get(static_cast<std::uint8_t>(character));
        DrawGlyph(surface, glyph, pen + glyph.offsetX, y, pixel);
        pen += glyph.advance;
    }
}

bool SurfaceContext::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
    auto red = static_cast<std::uint8_t>(color_);
    auto green = static_cast<std::uint8_t>(color_ >> 8);
    auto blue = static_cast<std::uint8_t>(color_ >> 16);
    DrawText(surface_, glyphs_, x, y, text, PackRgb(surface_.format(), red, green, blue));
    if (DisplayHost* host = CurrentDisplayHost()) host->TextDrawn({&surface_, x, y, text, color_});
    surface_.Drawn();
    return true;
}

// A memory surface draws text through the text drawer.
HRESULT MemorySurface::GetDC(std::unique_ptr<DeviceContext>& context) {
    context = std::make_unique<SurfaceContext>(*this, TheDisplayHost().glyphs());
    return S_OK;
}

void MemorySurface::ReleaseDC(std::unique_ptr<DeviceContext> /*context*/) {}

}  // namespace platform
