#include "ico_writer.h"

#include <stdexcept>
#include <string>

namespace resgen {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int kLargestSide = 256;

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutLe16(out, value & 0xFFFFu);
    PutLe16(out, value >> 16);
}

void CheckSize(const RgbaImage& image) {
    if (image.width != image.height || image.width < 1 || image.width > kLargestSide) {
        throw std::invalid_argument("an icon entry must be square, 1 to 256 pixels, not " +
                                    std::to_string(image.width) + " x " +
                                    std::to_string(image.height));
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<RgbaImage>& images) {
    std::vector<std::vector<std::uint8_t>> pngs;
    for (const RgbaImage& image : images) {
        CheckSize(image);
        pngs.push_back(EncodePng(image));
    }
    std::vector<std::uint8_t> out;
    PutLe16(out, 0);  // reserved
    PutLe16(out, 1);  // an icon, not a cursor
    PutLe16(out, static_cast<std::uint32_t>(images.size()));
    std::size_t offset = kHeaderSize + kEntrySize * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A side of 256 does not fit the byte and is written 0.
        auto side = static_cast<std::uint8_t>(images[i].width % kLargestSide);
        out.insert(out.end(), {side, side, 0, 0});  // no palette, reserved
        PutLe16(out, 1);                            // colour planes
        PutLe16(out, 32);                           // bits a pixel
        PutLe32(out, static_cast<std::uint32_t>(pngs[i].size()));
        PutLe32(out, static_cast<std::uint32_t>(offset));
        offset += pngs[i].size();
    }
    for (const auto& png : pngs) out.insert(out.end(), png.begin(), png.end());
    return out;
}

}  // namespace resgen
