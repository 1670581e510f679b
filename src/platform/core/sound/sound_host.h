// What the sound's shared code needs of the platform above it: the backend's
// sound device and the failures a test asked for. The installed platform is
// the host, and makes the function at the end.
#pragma once

#include <memory>
#include <string_view>

#include "platform/api/codes.h"
#include "platform/api/sound.h"

namespace platform {

class SoundHost {
public:
    // A failure that a test asked for at a named step ("dsound.lock"), or S_OK.
    virtual HRESULT InjectedFailure(std::string_view step) = 0;
    // The sound device of the backend in use: where the mixed samples go.
    virtual HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) = 0;

protected:
    ~SoundHost() = default;
};

// The installed host; using the sound without one is a programming error
// and aborts with a message.
SoundHost& TheSoundHost();

}  // namespace platform
