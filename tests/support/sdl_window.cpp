#include "support/sdl_window.h"

#include <cstdlib>
#include <memory>

WindowedSdlPlatform::WindowedSdlPlatform() {
    setenv("SDL_VIDEODRIVER", "x11", 1);
    platform::Options options;
    options.window = true;
    std::unique_ptr<platform::SdlBackend> backend;
    try {
        backend = std::make_unique<platform::SdlBackend>(options);
    } catch (const platform::BackendError& error) {
        whyNot_ = std::string("no X server to open a window on: ") + error.what();
        return;
    }
    sdl_ = backend.get();
    installed_.emplace(std::move(backend), options);
}
