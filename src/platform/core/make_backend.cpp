#include "platform/core/make_backend.h"

#include "platform/headless/headless_backend.h"
#include "platform/sdl/sdl_backend.h"

namespace platform {

std::unique_ptr<Backend> MakeBackend(const Options& options) {
    if (options.headless) return std::make_unique<HeadlessBackend>(options);
    return std::make_unique<SdlBackend>(options);
}

}  // namespace platform
