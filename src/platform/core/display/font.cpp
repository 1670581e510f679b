#include "platform/core/display/font.h"

#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <string>

#include "platform/api/system.h"
#include "platform/core/display/sdl_handles.h"
#include "platform/core/os/this_program.h"

namespace platform {

TtfLibrary::TtfLibrary() {
    if (TTF_Init() != 0) {
        throw FontError(std::string("cannot start the font renderer: ") + TTF_GetError());
    }
}

TtfLibrary::~TtfLibrary() {
    TTF_Quit();
}

void Font::CloseFont::operator()(_TTF_Font* font) const {
    TTF_CloseFont(font);
}

Font::Font(const std::string& path, int pointSize) : font_(TTF_OpenFont(path.c_str(), pointSize)) {
    if (!font_) {
        throw FontError("cannot open the font " + path + " (" + TTF_GetError() +
                        "): install the package fonts-dejavu-core or set FARHAVEN_FONT "
                        "to a DejaVu Sans Mono Bold file");
    }
    // Solid glyphs, no hinting surprises: the cell is the font's full height
    // and every character advances by the same amount.
    TTF_SetFontHinting(handle(), TTF_HINTING_NORMAL);
    int advance = 0;
    TTF_GlyphMetrics(handle(), 'x', nullptr, nullptr, nullptr, nullptr, &advance);
    metrics_.height = TTF_FontHeight(handle());
    metrics_.averageCharWidth = advance;
}

std::string DefaultFontPath() {
    std::string override = EnvironmentVariable("FARHAVEN_FONT");
    if (!override.empty()) return override;
    // A font that comes with the game is named from the program's folder,
    // wherever the game was started from.
    std::string builtIn = FARHAVEN_FONT_FILE;
    if (builtIn.front() == '/') return builtIn;
    std::string program = ExecutablePath();
    std::size_t folderEnd = program.find_last_of("/\\");
    return folderEnd == std::string::npos ? builtIn : program.substr(0, folderEnd + 1) + builtIn;
}

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
    SdlSurfacePtr rendered(
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
