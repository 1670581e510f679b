#include "display/text_overlay.h"

#include <cstring>
#include <memory>

#include "common/debug_log.h"
#include "common/window_metrics.h"
#include "config/settings.h"
#include "display/draw_manager.h"
#include "platform/api/input.h"
#include "platform/api/system.h"

namespace {

constexpr platform::COLORREF kHeadsUpColour = 0xC0FFC0;
// Drawn round every glyph, a pixel out, so that the text reads over the
// ship, the shield's ring and the brightest stars alike.
constexpr platform::COLORREF kOutlineColour = platform::RGB(0, 0, 0);
constexpr std::int32_t kOutlineOffsets[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                                {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

// A context on the surface for text on a transparent background in surface
// pixels, or none when there is no surface or GetDC fails; the text then
// goes undrawn and everything else happens as usual.
std::unique_ptr<platform::DeviceContext> ContextOf(platform::Surface* surface) {
    std::unique_ptr<platform::DeviceContext> context;
    if (surface != nullptr) surface->GetDC(context);
    if (context) {
        context->SetBkMode(platform::TRANSPARENT);
        context->SetMapMode(platform::MM_TEXT);
    }
    return context;
}

void Release(platform::Surface* surface, std::unique_ptr<platform::DeviceContext> context) {
    if (surface != nullptr && context) surface->ReleaseDC(std::move(context));
}

// The pixel y of a text row, taken modulo 65536 as the fades use it.
std::uint16_t RowY(std::int32_t row) {
    return static_cast<std::uint16_t>(static_cast<std::uint32_t>(textHeight) *
                                      static_cast<std::uint32_t>(row));
}

// One drawing of a fade: the colour, the text, and 10 ms for it to be seen.
void DrawFadeStep(platform::DeviceContext* context, std::uint16_t x, std::uint16_t y,
                  const char* text, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (context != nullptr) {
        context->SetTextColor(platform::RGB(red, green, blue));
        context->TextOut(x, y, text);
    }
    platform::Sleep(10);
}

}  // namespace

void CenterText(const char* text, TextPos* out) {
    // textHeight is measured when the window is made; 0 would divide by zero.
    std::int32_t rows = textHeight != 0 ? Settings::vres / textHeight : 0;
    out->row = static_cast<std::uint16_t>(static_cast<std::uint16_t>(rows) >> 1);
    auto w = static_cast<std::uint16_t>(std::strlen(text) * charWidth);
    out->x = static_cast<std::uint16_t>(Settings::hres / 2 - (w >> 1));
}

void DrawOutlinedText(std::int32_t x, std::int32_t row, const char* text,
                      platform::Surface* surface) {
    auto context = ContextOf(surface);
    if (context) {
        auto y = static_cast<std::int32_t>(static_cast<std::uint32_t>(textHeight) *
                                           static_cast<std::uint32_t>(row));
        context->SetTextColor(kOutlineColour);
        for (const auto& offset : kOutlineOffsets) {
            context->TextOut(x + offset[0], y + offset[1], text);
        }
        context->SetTextColor(kHeadsUpColour);
        context->TextOut(x, y, text);
    }
    Release(surface, std::move(context));
}

void ShowText(std::int32_t x, std::int32_t row, const char* text, platform::Surface* surface) {
    DrawOutlinedText(x, row, text, surface);
    DebugLog("text = %s", text);
    DebugLog("text height = %ld", static_cast<long>(textHeight));
}

void FadeInText(std::uint16_t x, std::int32_t row, const char* text, std::uint8_t red,
                std::uint8_t green, std::uint8_t blue) {
    DebugLog("fadeintext: %s", text);
    std::uint16_t y = RowY(row);
    platform::Surface* primary = theDrawManager.primary.get();
    auto context = ContextOf(primary);
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    for (int i = 0; i < 255 && !platform::SkipRequested(); ++i) {
        if (r < red) r = static_cast<std::uint8_t>(i);
        if (g < green) g = static_cast<std::uint8_t>(i);
        if (b < blue) b = static_cast<std::uint8_t>(i);
        DrawFadeStep(context.get(), x, y, text, r, g, b);
    }
    Release(primary, std::move(context));
}

void FadeOutText(std::uint16_t x, std::int32_t row, const char* text, std::uint8_t red,
                 std::uint8_t green, std::uint8_t blue) {
    DebugLog("fadeouttext: %s", text);
    std::uint16_t y = RowY(row);
    platform::Surface* primary = theDrawManager.primary.get();
    auto context = ContextOf(primary);
    if (context) context->SetTextColor(platform::RGB(red, green, blue));
    std::uint8_t r = red;
    std::uint8_t g = green;
    std::uint8_t b = blue;
    while ((r > 0 || g > 0 || b > 0) && !platform::SkipRequested()) {
        if (r > 0) --r;
        if (g > 0) --g;
        if (b > 0) --b;
        DrawFadeStep(context.get(), x, y, text, r, g, b);
    }
    Release(primary, std::move(context));
}
