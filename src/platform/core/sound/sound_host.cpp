#include "platform/core/sound/sound_host.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

SoundHost* installed = nullptr;

}  // namespace

SoundHost& TheSoundHost() {
    if (installed == nullptr) {
        std::fputs("farhaven: the sound was used before the platform was installed\n", stderr);
        std::abort();
    }
    return *installed;
}

void SetSoundHost(SoundHost* host) {
    installed = host;
}

}  // namespace platform
