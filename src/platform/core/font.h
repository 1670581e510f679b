// The default font, in which all text is measured and drawn: DejaVu Sans Mono
// Bold at the size that gives a 16-pixel character cell and an 8-pixel advance.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

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

class Font {
public:
    // Opens the font file; throws FontError when it cannot.
    Font(const std::string& path, int pointSize);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    TextMetrics Metrics() const { return metrics_; }
    _TTF_Font* handle() const { return font_; }

private:
    _TTF_Font* font_ = nullptr;
    TextMetrics metrics_;
};

// The font file to use: $FARHAVEN_FONT when set, else the one found at build time.
std::string DefaultFontPath();

// The installed platform's default font, opened on first use (throws FontError).
Font& DefaultFont();

}  // namespace platform
