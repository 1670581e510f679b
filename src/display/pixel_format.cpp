// The screen's pixel format and the packing of colours into it.
#include "display/draw_manager.h"

std::uint32_t blueBits = 0;
std::uint32_t greenBits = 0;
std::uint32_t redBits = 0;

namespace {
// Counts the set bits of mask from bit upward, moving bit past them.
std::uint32_t CountRun(std::uint32_t mask, std::uint32_t& bit) {
    std::uint32_t count = 0;
    while (bit != 0 && (mask & bit) != 0) {
        ++count;
        bit <<= 1;
    }
    return count;
}

std::uint32_t Narrow(std::uint32_t channel, std::uint32_t bits) {
    return (channel & 0xFFFF) >> (bits == 6 ? 2 : 3);
}
}  // namespace

bool AnalysePixelFormat(platform::Surface& surface) {
    blueBits = 0;
    greenBits = 0;
    redBits = 0;
    platform::PixelFormat format;
    if (platform::Failed(surface.GetPixelFormat(format))) return false;
    std::uint32_t bit = 1;
    blueBits = CountRun(format.blueMask, bit);
    greenBits = CountRun(format.greenMask, bit);
    redBits = CountRun(format.redMask, bit);
    return true;
}

std::uint32_t PackColor(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    red = Narrow(red, redBits);
    green = Narrow(green, greenBits);
    blue = Narrow(blue, blueBits);
    return (red << (blueBits + greenBits)) + (green << blueBits) + blue;
}
