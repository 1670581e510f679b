// The program: reads the command line, installs the platform it asks for,
// and runs the game. This is the one place that knows both backends.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "display/draw_manager.h"
#include "main/command_line.h"
#include "platform/core/platform.h"
#include "platform/headless/headless_backend.h"
#include "platform/sdl/sdl_backend.h"
#include "shell/win_main.h"

namespace {

// Headless with --headless, else SDL; throws BackendError when it cannot start.
std::unique_ptr<platform::Backend> MakeBackend(const platform::Options& options) {
    if (options.headless) return std::make_unique<platform::HeadlessBackend>(options);
    return std::make_unique<platform::SdlBackend>(options);
}

int RunGame(const CommandLine& line, const char* programPath) {
    platform::ScopedPlatform installed(MakeBackend(line.options), line.options);
    platform::Platform& current = installed.get();
    if (!current.debug().Open(line.options.logFile)) {
        std::fprintf(stderr, "farhaven: cannot write the log file %s\n",
                     line.options.logFile.c_str());
        return 2;
    }
    // The font is needed from the window's creation on; a missing one is
    // reported now, plainly, rather than as a blank screen.
    current.font();
    int exitCode = WinMain(programPath);
    // The display is given up once the game has returned, while the
    // platform it belongs to is still here.
    theDrawManager.Teardown();
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::fprintf(stderr, "farhaven: %s\n%s", line.error.c_str(), Usage().c_str());
        return 2;
    }
    if (line.help) {
        std::fputs(Usage().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("farhaven %s\n", FARHAVEN_VERSION);
        return 0;
    }
    try {
        return RunGame(line, argc > 0 ? argv[0] : "");
    } catch (const platform::BackendError& error) {
        std::fprintf(stderr, "farhaven: %s\n", error.what());
        return error.exitCode();
    } catch (const platform::FontError& error) {
        std::fprintf(stderr, "farhaven: %s\n", error.what());
        return 1;
    }
}
