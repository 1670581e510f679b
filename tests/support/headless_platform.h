// A headless platform installed for one test, with a transcript of the
// debug channel, and what tests read back of it: the display set up and
// its pixels, the sound device's mixed output.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "display/image_loader.h"
#include "platform/api/display.h"
#include "platform/api/options.h"
#include "platform/core/platform.h"
#include "platform/core/sound/sound_device.h"
#include "platform/headless/headless_backend.h"
#include "support/files.h"  // Lines and CountLines, for the debug text

class HeadlessPlatform {
public:
    explicit HeadlessPlatform(platform::Options options = {});

    platform::Platform& platform() { return scoped_.get(); }
    platform::HeadlessBackend& backend() { return *backend_; }
    // Everything written to the debug channel so far.
    const std::string& debugText() { return scoped_.get().debug().Transcript(); }

private:
    platform::HeadlessBackend* backend_;  // owned by the installed platform
    platform::ScopedPlatform scoped_;
};

// A test with a fresh headless platform.
class HeadlessTest : public ::testing::Test {
protected:
    HeadlessPlatform headless;
};

class ScopedDisplay {
public:
    explicit ScopedDisplay(std::uint16_t width = 800, std::uint16_t height = 600);
    ~ScopedDisplay();
    ScopedDisplay(const ScopedDisplay&) = delete;
    ScopedDisplay& operator=(const ScopedDisplay&) = delete;
};

// An image of screen pixels, rows in order, then 0.
std::unique_ptr<ImageBuffer> MakeImage(std::uint16_t width, std::uint16_t height,
                                       const std::vector<std::uint16_t>& pixels);

// One pixel of a surface, read through Lock with its pitch.
std::uint16_t PixelAt(platform::Surface& surface, int x, int y);
// Every pixel of a surface, rows in order (without the row padding).
std::vector<std::uint16_t> PixelsOf(platform::Surface& surface);

inline platform::SoundBuffer* const kUntouched = reinterpret_cast<platform::SoundBuffer*>(0x1234);

// The shared mixing device under the api's device (both backends make one).
platform::MixingSoundDevice& Mixing(platform::SoundDevice& device);
// The next frames of the output, interleaved stereo.
std::vector<std::int16_t> Pull(platform::SoundDevice& device, std::size_t frames);
// The frames the voices make from now on, as they come out of the mixer's
// delay: the output of the next delay + frames, less its first delay frames.
std::vector<std::int16_t> Heard(platform::SoundDevice& device, std::size_t frames);
// A new buffer of the device filled with bytes; nullptr (and a failure) when refused.
platform::SoundBuffer* LoadedBuffer(platform::SoundDevice& device, platform::WaveFormat format,
                                    const std::vector<std::uint8_t>& bytes);
// The bytes the buffer holds.
std::vector<std::uint8_t> Contents(platform::SoundBuffer& buffer);
int Peak(const std::vector<std::int16_t>& samples);
