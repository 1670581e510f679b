#include "platform/core/surface_context.h"

#include "platform/core/platform.h"
#include "platform/core/screen_format.h"
#include "platform/core/text_drawer.h"

namespace platform {

bool SurfaceContext::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
    auto red = static_cast<std::uint8_t>(color_);
    auto green = static_cast<std::uint8_t>(color_ >> 8);
    auto blue = static_cast<std::uint8_t>(color_ >> 16);
    DrawText(surface_, glyphs_, x, y, text, PackRgb(surface_.format(), red, green, blue));
    if (Installed()) Current().backend().TextDrawn({&surface_, x, y, text, color_});
    surface_.Drawn();
    return true;
}

}  // namespace platform
