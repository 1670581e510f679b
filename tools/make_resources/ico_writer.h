// The game's icon for Windows: one .ico file holding the icon at several
// sizes, each entry a PNG (which Windows reads in .ico files since Vista),
// so that Explorer, the taskbar and the installer pick the size they show.
#pragma once

#include <cstdint>
#include <vector>

#include "png_writer.h"

namespace resgen {

// The images, largest first by custom, as the bytes of an .ico file; each
// must be square and at most 256 pixels wide. Throws std::invalid_argument
// for one that is not, std::runtime_error when one cannot be encoded.
std::vector<std::uint8_t> EncodeIco(const std::vector<RgbaImage>& images);

}  // namespace resgen
