// The SDL backend in a window on the X server the test script starts, for
// the real-window tests, installed as the platform for one test.
#pragma once

#include <optional>
#include <string>

#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"

class WindowedSdlPlatform {
public:
    WindowedSdlPlatform();

    // Null where no window can be opened; whyNot() then says why.
    platform::SdlBackend* sdl() const { return sdl_; }
    const std::string& whyNot() const { return whyNot_; }

private:
    std::string whyNot_;
    platform::SdlBackend* sdl_ = nullptr;  // owned by the installed platform
    std::optional<platform::ScopedPlatform> installed_;
};
