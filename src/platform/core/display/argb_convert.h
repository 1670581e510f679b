// The screen's 16-bit pixels as 32-bit 0xFFRRGGBB, for the window's texture
// and for screenshots. Each channel is widened by repeating its top bits, so
// black stays 0 and full intensity becomes 255.
#pragma once

#include <cstdint>

#include "platform/core/display/memory_surface.h"
#include "platform/core/display/screen_format.h"

namespace platform {

// Writes every row of the surface to `pixels`, rows `pitch` bytes apart.
void ConvertToArgb(const MemorySurface& surface, std::uint32_t* pixels, std::int32_t pitch);

// Brings one row of a kept picture up to date: where `from` differs from
// `shown` (the pixels `to` was converted from), in spans of 32 pixels, the
// span is converted into `to` and copied into `shown`. True when any was.
bool ConvertChangedRow(Layout layout, const std::uint16_t* from, std::uint16_t* shown,
                       std::uint32_t* to, std::int32_t count);

}  // namespace platform
