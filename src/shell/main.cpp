// The program: reads the command line, starts the platform it asks for, and
// runs the game.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "display/draw_manager.h"
#include "platform/api/start.h"
#include "shell/command_line.h"
#include "shell/win_main.h"

namespace {

int RunGame(const CommandLine& line, const char* programPath) {
    std::unique_ptr<platform::RunningPlatform> running = platform::StartPlatform(line.options);
    int exitCode = WinMain(programPath);
    // The display is given up once the game has returned, while the
    // platform it belongs to is still here.
    theDrawManager.Teardown();
    return running->Finish(exitCode);
}

}  // namespace

int main(int argc, char** argv) {
    platform::ConnectTerminal();
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
        platform::TellPlayer(error.what());
        return error.exitCode();
    }
}
