// Pictures of the screen saved as PNG files (--screenshot). The picture is
// written beside its place first and then put there, so that a save that
// fails leaves an older picture of that name as it was, never half a file.
#pragma once

#include <string>

#include "platform/core/display/memory_surface.h"

namespace platform {

// Saves the surface as an RGB PNG file; false when it cannot, with the
// reason said on standard error.
bool SavePng(const MemorySurface& surface, const std::string& path);

}  // namespace platform
