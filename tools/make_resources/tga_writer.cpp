#include "tga_writer.h"

namespace resgen {

namespace {

void PutLittle16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFU));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFU));
}

}  // namespace

std::vector<std::uint8_t> EncodeTga(const Image16& image) {
    std::vector<std::uint8_t> out;
    out.reserve(kTgaHeaderSize + image.Pixels().size() * 2);
    out.push_back(0);               // no image ID
    out.push_back(0);               // no colour map
    out.push_back(kTgaTrueColour);  // uncompressed true colour
    for (int i = 0; i < 5; ++i) {
        out.push_back(0);  // colour map fields, unused
    }
    PutLittle16(out, 0);  // x origin
    PutLittle16(out, 0);  // y origin
    PutLittle16(out, static_cast<unsigned>(image.Width()));
    PutLittle16(out, static_cast<unsigned>(image.Height()));
    out.push_back(16);
    // Our rows go top first; the origin bit says so, so that image viewers
    // show the pictures the same way up as the game does. No alpha bits:
    // transparency is the black key, not bit 15.
    out.push_back(kTgaTopLeftOrigin);
    for (const std::uint16_t pixel : image.Pixels()) {
        PutLittle16(out, pixel);
    }
    return out;
}

}  // namespace resgen
