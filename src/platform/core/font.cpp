#include "platform/core/font.h"

#include <SDL2/SDL_ttf.h>

#include <cstdlib>

#include "platform/core/platform.h"

namespace platform {

Font::Font(const std::string& path, int pointSize) {
    if (TTF_WasInit() == 0 && TTF_Init() != 0) {
        throw FontError(std::string("cannot start the font renderer: ") + TTF_GetError());
    }
    font_ = TTF_OpenFont(path.c_str(), pointSize);
    if (font_ == nullptr) {
        throw FontError("cannot open the font " + path + " (" + TTF_GetError() +
                        "): install the package fonts-dejavu-core or set FARHAVEN_FONT "
                        "to a DejaVu Sans Mono Bold file");
    }
    // Solid glyphs, no hinting surprises: the cell is the font's full height
    // and every character advances by the same amount.
    TTF_SetFontHinting(font_, TTF_HINTING_NORMAL);
    int advance = 0;
    TTF_GlyphMetrics(font_, 'x', nullptr, nullptr, nullptr, nullptr, &advance);
    metrics_.height = TTF_FontHeight(font_);
    metrics_.averageCharWidth = advance;
}

Font::~Font() {
    TTF_CloseFont(font_);
    TTF_Quit();
}

std::string DefaultFontPath() {
    const char* override = std::getenv("FARHAVEN_FONT");
    if (override != nullptr && *override != '\0') return override;
    return FARHAVEN_FONT_FILE;
}

Font& DefaultFont() {
    return Current().font();
}

}  // namespace platform
