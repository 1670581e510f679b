// The one place that knows both backends.
#include "platform/api/start.h"
#include "platform/core/platform.h"
#include "platform/headless/headless_backend.h"
#include "platform/sdl/sdl_backend.h"

namespace platform {
namespace {

std::unique_ptr<Backend> MakeBackend(const Options& options) {
    if (options.headless) return std::make_unique<HeadlessBackend>(options);
    return std::make_unique<SdlBackend>(options);
}

class Running final : public RunningPlatform {
public:
    explicit Running(const Options& options) : installed_(MakeBackend(options), options) {
        if (!installed_.get().debug().Open(options.logFile)) {
            throw BackendError("cannot write the log file " + options.logFile, 2);
        }
        // The font is needed from the window's creation on; a missing one is
        // reported now, plainly, rather than as a blank screen.
        try {
            installed_.get().font();
        } catch (const FontError& error) {
            throw BackendError(error.what(), 1);
        }
    }

private:
    ScopedPlatform installed_;
};

}  // namespace

std::unique_ptr<RunningPlatform> StartPlatform(const Options& options) {
    return std::make_unique<Running>(options);
}

}  // namespace platform
