// The one place that knows both backends.
#include <optional>

#include "platform/api/start.h"
#include "platform/core/os/interrupt.h"
#include "platform/core/os/player_files.h"
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
        installed_.get().debug().Open(options.logFile);
        // The font is needed from the window's creation on; a missing one is
        // reported now, plainly, rather than as a blank screen.
        try {
            installed_.get().font();
        } catch (const FontError& error) {
            throw BackendError(error.what(), 1);
        }
    }

    int Finish(int gameExitCode) override {
        if (!installed_.get().CloseFiles()) return kBadFileExitCode;
        if (std::optional<int> interrupted = InterruptedExitCode()) return *interrupted;
        return gameExitCode;
    }

private:
    // In place before SDL starts, which would otherwise put its own.
    InterruptHandlers interrupts_;
    ScopedPlatform installed_;
};

}  // namespace

std::unique_ptr<RunningPlatform> StartPlatform(const Options& options) {
    CheckPlayerFiles(options);  // before any of them is opened
    return std::make_unique<Running>(options);
}

}  // namespace platform
