// Pictures of the screen saved as PNG files (--screenshot).
#pragma once

#include <string>

#include "platform/core/memory_surface.h"

namespace platform {

// Saves the surface as an RGB PNG file; false, with the reason, when it cannot.
bool SavePng(const MemorySurface& surface, const std::string& path, std::string& error);

}  // namespace platform
