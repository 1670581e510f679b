// The silent sound device, for a machine without audio output or a player who
// wants none: it accepts everything and plays nothing, so the game runs as it
// would with sound. Why the game is silent is logged with the first one made.
#pragma once

#include <memory>
#include <string>

#include "platform/core/sound_device.h"

namespace platform {

// Why, when the player asked for silence.
inline constexpr const char* kNoSoundReason = "turned off with --no-sound";

class SilentSound {
public:
    std::unique_ptr<MixingSoundDevice> MakeDevice(const std::string& why);

private:
    bool reported_ = false;
};

}  // namespace platform
