// The pixel loops every backend shares: filling a surface and copying a
// rectangle with a colour key, stretched to the destination when sizes differ.
#pragma once

#include <cstdint>

#include "platform/api/codes.h"
#include "platform/api/display.h"
#include "platform/core/display/memory_surface.h"

namespace platform {

// Non-empty and wholly inside a width × height surface.
bool Contains(std::uint16_t width, std::uint16_t height, const Rect& rect);

// Every pixel of the surface (not the padding at the row ends) set to colour.
void FillSurface(MemorySurface& target, std::uint16_t colour);

// Copies sourceRect of source to destination on target, nearest pixel when
// the sizes differ; source pixels equal to key are left out. A rectangle not
// wholly inside its surface is refused with DDERR_INVALIDRECT and nothing is
// drawn: there is no clipping.
HRESULT BlitKeyed(MemorySurface& target, const Rect& destination, const MemorySurface& source,
                  const Rect& sourceRect, std::uint16_t key);

}  // namespace platform
