// The game's icon for the desktop's menus: the player's fighter under its
// bolt on a disc of deep space, transparent around the disc.
#pragma once

#include <vector>

#include "png_writer.h"

namespace resgen {

// 128 x 128, drawn at that size.
RgbaImage MakeIcon128();
// 64 x 64: the large icon averaged down, so the two agree.
RgbaImage MakeIcon64();
// 128, 64, 32 and 16 pixels, each the one before averaged down: the sizes
// Windows shows (a window's corner, the taskbar, Explorer's views).
std::vector<RgbaImage> MakeIconSizes();

}  // namespace resgen
