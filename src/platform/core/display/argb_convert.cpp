#include "platform/core/display/argb_convert.h"

#include <algorithm>

#include "platform/core/display/wide_clones.h"

namespace platform {
namespace {

// The channels are moved to their places in a few wide masks and shifts,
// and each is widened by copying its top bits below it, two channels at a
// time: few enough operations a pixel that converting runs at the speed of
// the memory rather than of the arithmetic. This measured faster than a
// 64K-entry table of converted pixels, whose look-ups do not vectorise.
inline std::uint32_t Argb565(std::uint32_t pixel) {
    std::uint32_t redBlue = (pixel & 0xF800) << 8 | (pixel & 0x001F) << 3;
    std::uint32_t green = (pixel & 0x07E0) << 5;
    return 0xFF000000u | redBlue | (redBlue >> 5 & 0x00070007) | green | (green >> 6 & 0x0300);
}

inline std::uint32_t Argb555(std::uint32_t pixel) {
    std::uint32_t redBlue = (pixel & 0x7C00) << 9 | (pixel & 0x001F) << 3;
    std::uint32_t green = (pixel & 0x03E0) << 6;
    return 0xFF000000u | redBlue | (redBlue >> 5 & 0x00070007) | green | (green >> 5 & 0x0700);
}

template <std::uint32_t (*Convert)(std::uint32_t)>
inline void ConvertRow(const std::uint16_t* __restrict from, std::uint32_t* __restrict to,
                       std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) to[i] = Convert(from[i]);
}

// One span is two cache lines of the picture: a whole span is compared at
// a time, with no early way out, so that it vectorises.
constexpr std::int32_t kSpan = 32;

template <std::uint32_t (*Convert)(std::uint32_t)>
inline bool ConvertChanged(const std::uint16_t* __restrict from, std::uint16_t* __restrict shown,
                           std::uint32_t* __restrict to, std::int32_t count) {
    bool changed = false;
    for (std::int32_t x = 0; x < count; x += kSpan) {
        std::int32_t length = std::min(kSpan, count - x);
        std::uint16_t difference = 0;
        for (std::int32_t i = x; i < x + length; ++i) difference |= from[i] ^ shown[i];
        if (difference == 0) continue;
        changed = true;
        std::copy_n(from + x, length, shown + x);
        ConvertRow<Convert>(from + x, to + x, length);
    }
    return changed;
}

// GCC vectorises these loops at -O3, in the wide builds of wide_clones.h.
FARHAVEN_WIDE_CLONES void Row565(const std::uint16_t* from, std::uint32_t* to, std::int32_t count) {
    ConvertRow<Argb565>(from, to, count);
}

FARHAVEN_WIDE_CLONES void Row555(const std::uint16_t* from, std::uint32_t* to, std::int32_t count) {
    ConvertRow<Argb555>(from, to, count);
}

FARHAVEN_WIDE_CLONES bool Changed565(const std::uint16_t* from, std::uint16_t* shown,
                                     std::uint32_t* to, std::int32_t count) {
    return ConvertChanged<Argb565>(from, shown, to, count);
}

FARHAVEN_WIDE_CLONES bool Changed555(const std::uint16_t* from, std::uint16_t* shown,
                                     std::uint32_t* to, std::int32_t count) {
    return ConvertChanged<Argb555>(from, shown, to, count);
}

}  // namespace

void ConvertToArgb(const MemorySurface& surface, std::uint32_t* pixels, std::int32_t pitch) {
    auto* row = reinterpret_cast<std::uint8_t*>(pixels);
    bool is555 = LayoutOf(surface.format()) == Layout::Rgb555;
    for (std::int32_t y = 0; y < surface.Height(); ++y) {
        auto* to = reinterpret_cast<std::uint32_t*>(row + static_cast<std::ptrdiff_t>(y) * pitch);
        if (is555) {
            Row555(surface.Row(y), to, surface.Width());
        } else {
            Row565(surface.Row(y), to, surface.Width());
        }
    }
}

bool ConvertChangedRow(Layout layout, const std::uint16_t* from, std::uint16_t* shown,
                       std::uint32_t* to, std::int32_t count) {
    return layout == Layout::Rgb555 ? Changed555(from, shown, to, count)
                                    : Changed565(from, shown, to, count);
}

}  // namespace platform
