#include "support/sdl_window.h"

#include <cstdlib>

platform::Options WindowedOptions() {
    platform::Options options;
    options.window = true;
    return options;
}

std::unique_ptr<platform::SdlBackend> WindowedSdlBackend(std::string& whyNot) {
    setenv("SDL_VIDEODRIVER", "x11", 1);
    try {
        return std::make_unique<platform::SdlBackend>(WindowedOptions());
    } catch (const platform::BackendError& error) {
        whyNot = std::string("no X server to open a window on: ") + error.what();
        return nullptr;
    }
}
