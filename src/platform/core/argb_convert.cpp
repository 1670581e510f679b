#include "platform/core/argb_convert.h"

#include "platform/core/screen_format.h"

namespace platform {
namespace {

// Plain shifts and ors on every pixel, which GCC vectorises; built twice, for
// AVX2 and for any x86-64, the better chosen when the program starts. With
// AVX2 this measured faster than a 64K-entry table of converted pixels (whose
// look-ups do not vectorise): 0.24 against 0.33 ms for 800 × 600.
__attribute__((target_clones("avx2", "default"))) void Row565(const std::uint16_t* __restrict from,
                                                              std::uint32_t* __restrict to,
                                                              std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
        std::uint32_t pixel = from[i];
        std::uint32_t red = pixel >> 11;
        std::uint32_t green = (pixel >> 5) & 0x3F;
        std::uint32_t blue = pixel & 0x1F;
        to[i] = 0xFF000000u | ((red << 3 | red >> 2) << 16) | ((green << 2 | green >> 4) << 8) |
                (blue << 3 | blue >> 2);
    }
}

__attribute__((target_clones("avx2", "default"))) void Row555(const std::uint16_t* __restrict from,
                                                              std::uint32_t* __restrict to,
                                                              std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
        std::uint32_t pixel = from[i];
        std::uint32_t red = (pixel >> 10) & 0x1F;
        std::uint32_t green = (pixel >> 5) & 0x1F;
        std::uint32_t blue = pixel & 0x1F;
        to[i] = 0xFF000000u | ((red << 3 | red >> 2) << 16) | ((green << 3 | green >> 2) << 8) |
                (blue << 3 | blue >> 2);
    }
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

}  // namespace platform
