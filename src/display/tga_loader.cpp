#include <algorithm>
#include <cstdio>
#include <new>

#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "platform/api/system.h"

namespace {

constexpr long kPixelsOffset = 18;
// The largest picture accepted, 8192 × 8192. A header claiming more (a
// damaged file can claim 65535 × 65535, 8 GB) is treated as memory running
// out rather than reserving and filling gigabytes.
constexpr std::size_t kMaxPixels = std::size_t{8192} * 8192;

std::uint16_t Little16(const std::array<std::uint8_t, 18>& header, std::size_t at) {
    return static_cast<std::uint16_t>(header[at] | header[at + 1] << 8);
}

// x RRRRR GGGGG BBBBB, each channel widened to 8 bits, into the screen's format.
std::uint16_t ToScreen(std::uint16_t value) {
    std::uint32_t red8 = ((value >> 10) & 0x1F) << 3;
    std::uint32_t green8 = ((value >> 5) & 0x1F) << 3;
    std::uint32_t blue8 = (value & 0x1F) << 3;
    return static_cast<std::uint16_t>(PackColor(red8, green8, blue8));
}

// Reads count little-endian pixels; those the file does not hold are 0,
// transparent black.
void ReadPixels(std::FILE* file, std::uint16_t* pixels, std::size_t count) {
    std::array<std::uint8_t, 8192> chunk;
    std::size_t done = 0;
    while (done < count) {
        std::size_t wanted = std::min(count - done, chunk.size() / 2);
        std::size_t got = std::fread(chunk.data(), 2, wanted, file);  // whole pixels only
        for (std::size_t i = 0; i < got; ++i) {
            pixels[done + i] =
                ToScreen(static_cast<std::uint16_t>(chunk[2 * i] | chunk[2 * i + 1] << 8));
        }
        done += got;
        if (got < wanted) break;
    }
    std::fill(pixels + done, pixels + count, std::uint16_t{0});
}

}  // namespace

std::unique_ptr<ImageBuffer> TgaLoader::Load(const char* path) {
    if (path == nullptr) return nullptr;
    platform::File file = platform::OpenFile(path);
    if (!file) return nullptr;
    // A file shorter than its header is no picture: its size cannot be known.
    if (std::fread(header_.data(), 1, header_.size(), file.get()) != header_.size()) return nullptr;

    auto image = std::make_unique<ImageBuffer>();
    image->width = Little16(header_, 12);
    image->height = Little16(header_, 14);
    std::size_t count = std::size_t{image->width} * image->height;
    if (count == 0) return image;
    if (count > kMaxPixels) return nullptr;
    image->pixels.reset(new (std::nothrow) std::uint16_t[count]);
    if (!image->pixels) return nullptr;

    std::fseek(file.get(), kPixelsOffset, SEEK_SET);
    ReadPixels(file.get(), image->pixels.get(), count);
    return image;
}
