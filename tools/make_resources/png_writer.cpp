#include "png_writer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <stdexcept>
#include <string>

namespace resgen {

std::vector<std::uint8_t> EncodePng(const RgbaImage& image) {
    // Compressed rows are never much larger than the raw ones: room for
    // those, a filter byte a row, and the file's chunks.
    std::vector<std::uint8_t> bytes(image.rgba.size() + image.rgba.size() / 64 +
                                    static_cast<std::size_t>(image.height) + 4096);
    auto* pixels = const_cast<std::uint8_t*>(image.rgba.data());  // only read
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        pixels, image.width, image.height, 32, image.width * 4, SDL_PIXELFORMAT_RGBA32);
    SDL_RWops* out = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    int result = surface != nullptr && out != nullptr ? IMG_SavePNG_RW(surface, out, 0) : -1;
    Sint64 written = out != nullptr ? SDL_RWtell(out) : -1;
    if (out != nullptr) SDL_RWclose(out);
    SDL_FreeSurface(surface);
    if (result != 0 || written <= 0) {
        throw std::runtime_error(std::string("cannot encode an icon as PNG: ") + SDL_GetError());
    }
    bytes.resize(static_cast<std::size_t>(written));
    return bytes;
}

}  // namespace resgen
