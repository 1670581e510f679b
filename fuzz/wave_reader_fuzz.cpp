// Any file handed to the WAV reader loads into a buffer, or is refused;
// never a read or write out of bounds, never a buffer of a size the file
// cannot justify.
#include <cstdint>
#include <cstdio>
#include <memory>

#include "common/exceptions.h"
#include "fuzz_input_file.h"
#include "platform/core/platform.h"
#include "platform/headless/headless_backend.h"
#include "sound/sound_manager.h"

namespace {

platform::Platform& HeadlessPlatform() {
    static platform::ScopedPlatform installed(
        std::make_unique<platform::HeadlessBackend>(platform::Options{}), platform::Options{});
    return installed.get();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HeadlessPlatform();
    std::string path = WriteFuzzInput(data, size, ".wav");
    // A device of its own for every input, so that buffers do not pile up.
    SoundManager sound;
    sound.InitSound(0, platform::DSSCL_EXCLUSIVE);
    platform::SoundBuffer* buffer = nullptr;
    try {
        sound.LoadWave(path.c_str(), buffer);
    } catch (direct_exception* error) {
        delete error;
    }
    std::remove(path.c_str());
    return 0;
}
