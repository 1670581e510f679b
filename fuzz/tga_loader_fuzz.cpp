// Any file handed to the image reader gives an image whose pixels can all
// be read, or nothing; never a read or write out of bounds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "fuzz_input_file.h"

// Headers that claim more than a million pixels spend the fuzzer's time
// zero-filling memory, one input a second under the sanitizers; the code
// they reach (the size limit) is covered by the unit tests, so leave them out.
constexpr std::size_t kLargestFuzzedImage = std::size_t{1} << 20;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 16) {
        std::size_t width = data[12] | data[13] << 8u;
        std::size_t height = data[14] | data[15] << 8u;
        if (width * height > kLargestFuzzedImage) return 0;
    }
    redBits = 5;  // a 5-6-5 screen
    greenBits = 6;
    blueBits = 5;
    std::string path = WriteFuzzInput(data, size, ".tga");
    TgaLoader loader;
    std::unique_ptr<ImageBuffer> image = loader.Load(path.c_str());
    std::remove(path.c_str());
    if (image) {
        std::size_t count = std::size_t{image->width} * image->height;
        std::uint32_t sum = 0;
        for (std::size_t i = 0; i < count; ++i) sum += image->pixels[i];  // every pixel readable
        if (count > 0 && image->pixels == nullptr) std::abort();
        (void)sum;
    }
    return 0;
}
