#include "support/headless_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "display/draw_manager.h"

namespace {
platform::Options AsHeadless(platform::Options options) {
    options.headless = true;
    return options;
}
}  // namespace

HeadlessPlatform::HeadlessPlatform(platform::Options options)
    : scoped_(std::make_unique<platform::HeadlessBackend>(AsHeadless(options)),
              AsHeadless(options)) {
    scoped_.get().debug().KeepTranscript(true);
}

ScopedDisplay::ScopedDisplay(std::uint16_t width, std::uint16_t height) {
    theDrawManager.Teardown();
    theDrawManager.Init(1, platform::DDSCL_EXCLUSIVE | platform::DDSCL_FULLSCREEN, width, height,
                        16);
}

ScopedDisplay::~ScopedDisplay() {
    theDrawManager.Teardown();
}

std::unique_ptr<ImageBuffer> MakeImage(std::uint16_t width, std::uint16_t height,
                                       const std::vector<std::uint16_t>& pixels) {
    auto image = std::make_unique<ImageBuffer>();
    image->width = width;
    image->height = height;
    std::size_t count = std::size_t{width} * height;
    image->pixels = std::make_unique<std::uint16_t[]>(count);
    std::copy_n(pixels.begin(), std::min(count, pixels.size()), image->pixels.get());
    return image;
}

namespace {
std::uint16_t* PixelAddress(const platform::LockedSurface& locked, int x, int y) {
    return reinterpret_cast<std::uint16_t*>(locked.bits +
                                            static_cast<std::ptrdiff_t>(y) * locked.pitch) +
           x;
}
}  // namespace

std::uint16_t PixelAt(platform::Surface& surface, int x, int y) {
    platform::LockedSurface locked;
    EXPECT_EQ(surface.Lock(locked), platform::S_OK);
    std::uint16_t value = *PixelAddress(locked, x, y);
    surface.Unlock();
    return value;
}

std::vector<std::uint16_t> PixelsOf(platform::Surface& surface) {
    platform::LockedSurface locked;
    EXPECT_EQ(surface.Lock(locked), platform::S_OK);
    std::vector<std::uint16_t> pixels;
    for (int y = 0; y < surface.Height(); ++y) {
        const std::uint16_t* row = PixelAddress(locked, 0, y);
        pixels.insert(pixels.end(), row, row + surface.Width());
    }
    surface.Unlock();
    return pixels;
}

platform::MixingSoundDevice& Mixing(platform::SoundDevice& device) {
    return dynamic_cast<platform::MixingSoundDevice&>(device);
}

std::vector<std::int16_t> Pull(platform::SoundDevice& device, std::size_t frames) {
    std::vector<std::int16_t> out(frames * 2);
    Mixing(device).mixer().Mix(out.data(), frames);
    return out;
}

std::vector<std::int16_t> Heard(platform::SoundDevice& device, std::size_t frames) {
    std::size_t delay = Mixing(device).mixer().DelayFrames();
    std::vector<std::int16_t> out = Pull(device, delay + frames);
    out.erase(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(delay * 2));
    return out;
}

platform::SoundBuffer* LoadedBuffer(platform::SoundDevice& device, platform::WaveFormat format,
                                    const std::vector<std::uint8_t>& bytes) {
    platform::SoundBuffer* buffer = nullptr;
    auto size = static_cast<std::uint32_t>(bytes.size());
    EXPECT_EQ(device.CreateSoundBuffer({platform::DSBCAPS_STATIC, size, format}, buffer), 0);
    std::uint8_t* region = nullptr;
    if (buffer == nullptr || buffer->Lock(region, size) != 0) return nullptr;
    std::copy(bytes.begin(), bytes.end(), region);
    EXPECT_EQ(buffer->Unlock(region, size), 0);
    return buffer;
}

std::vector<std::uint8_t> Contents(platform::SoundBuffer& buffer) {
    std::uint8_t* region = nullptr;
    std::uint32_t bytes = 0;
    EXPECT_EQ(buffer.Lock(region, bytes), 0);
    std::vector<std::uint8_t> contents(region, region + bytes);
    buffer.Unlock(region, bytes);
    return contents;
}

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (std::int16_t sample : samples) peak = std::max(peak, std::abs(int{sample}));
    return peak;
}
