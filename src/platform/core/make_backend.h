// Picks the backend the options ask for: headless with --headless, else SDL.
#pragma once

#include <memory>

#include "platform/core/backend.h"
#include "platform/core/options.h"

namespace platform {

// Throws BackendError (platform/sdl/sdl_backend.h) when no display can be opened.
std::unique_ptr<Backend> MakeBackend(const Options& options);

}  // namespace platform
