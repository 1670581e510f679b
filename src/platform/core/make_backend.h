// Picks the backend the options ask for: headless with --headless, else SDL.
#pragma once

#include <memory>

#include "platform/core/backend.h"
#include "platform/core/options.h"

namespace platform {

// Throws BackendError when the backend cannot start.
std::unique_ptr<Backend> MakeBackend(const Options& options);

}  // namespace platform
