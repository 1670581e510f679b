// The default font, in which all text is measured and drawn: DejaVu Sans Mono
// Bold at the size that gives a 16-pixel character cell and an 8-pixel
// advance; and its glyphs, rendered once.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/api/window.h"

struct _TTF_Font;

namespace platform {

constexpr int kDefaultFontPointSize = 13;

// Raised when the font file is missing or unreadable; the message names the
// file and what to do about it.
class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The font renderer, started for as long as a font is open. SDL_ttf counts
// its users, so each start is matched by exactly one stop.
class TtfLibrary {
public:
    TtfLibrary();  // throws FontError
    ~TtfLibrary();
    TtfLibrary(const TtfLibrary&) = delete;
    TtfLibrary& operator=(const TtfLibrary&) = delete;
};

class Font {
public:
    // Opens the font file; throws FontError when it cannot.
    Font(const std::string& path, int pointSize);

    TextMetrics Metrics() const { return metrics_; }
    _TTF_Font* handle() const { return font_.get(); }

private:
    struct CloseFont {
        void operator()(_TTF_Font* font) const;
    };
    TtfLibrary library_;  // first made, last gone
    std::unique_ptr<_TTF_Font, CloseFont> font_;
    TextMetrics metrics_;
};

// The font file to use: $FARHAVEN_FONT when set, else the one found at build time.
std::string DefaultFontPath();

// The installed platform's default font, opened on first use (throws FontError).

// The font's glyphs as solid masks, rendered once per character: the
// heads-up line draws three texts every frame, and rendering each glyph anew
// would cost more than the whole rest of the frame.
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
