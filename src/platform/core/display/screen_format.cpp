#include "platform/core/display/screen_format.h"

namespace platform {

Layout LayoutOf(const PixelFormat& format) {
    return format.greenMask == kFormat555.greenMask ? Layout::Rgb555 : Layout::Rgb565;
}

Channel ChannelOf(std::uint32_t mask) {
    Channel channel;
    if (mask == 0) return channel;
    while ((mask & (1u << channel.shift)) == 0) ++channel.shift;
    while (channel.shift + channel.bits < 32 &&
           (mask & (1u << (channel.shift + channel.bits))) != 0) {
        ++channel.bits;
    }
    return channel;
}

namespace {
std::uint32_t Place(const Channel& channel, std::uint8_t value) {
    if (channel.bits == 0) return 0;
    std::uint32_t kept = channel.bits >= 8 ? value : value >> (8 - channel.bits);
    return kept << channel.shift;
}
}  // namespace

std::uint16_t PackRgb(const PixelFormat& format, std::uint8_t red, std::uint8_t green,
                      std::uint8_t blue) {
    return static_cast<std::uint16_t>(Place(ChannelOf(format.redMask), red) |
                                      Place(ChannelOf(format.greenMask), green) |
                                      Place(ChannelOf(format.blueMask), blue));
}

}  // namespace platform
