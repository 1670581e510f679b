// Decoded images in screen pixels, and the TGA reader that makes them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

struct ImageBuffer {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::unique_ptr<std::uint16_t[]> pixels;  // width x height, first stored row first
};

class ImageLoader {
public:
    virtual ~ImageLoader() = default;
    // A new image, or nothing when the file cannot be read or memory runs out.
    virtual std::unique_ptr<ImageBuffer> Load(const char* path) = 0;
};

class TgaLoader : public ImageLoader {
public:
    std::unique_ptr<ImageBuffer> Load(const char* path) override;

private:
    std::array<std::uint8_t, 18> header_{};
};
