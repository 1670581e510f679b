#include "shell/win_main.h"

#include "common/exceptions.h"
#include "config/key_bindings.h"
#include "config/settings.h"
#include "platform/api/system.h"
#include "shell/app_window.h"
#include "shell/frame_loop.h"
#include "shell/start_up.h"

namespace {
// What the program returns after one of the handlers has shown an error.
constexpr std::int32_t kHandledErrorExitCode = 1;
// What it returns when the control file binds keys it cannot: nothing was
// played, as for a bad option or key script.
constexpr std::int32_t kBadControlFileExitCode = 2;
}  // namespace

std::int32_t WinMain(const char* programPath) {
    ProgramDirectory = platform::ControlFileFolder(FindProgramDirectory(programPath));
    ReadControlFile();
    ApplyControlValues();
    if (std::string problem = BindControlKeys(); !problem.empty()) {
        platform::MessageBox(0, problem, appTitle);
        return kBadControlFileExitCode;
    }

    try {
        appWindow = CreateAppWindow(static_cast<std::uint16_t>(Settings::hres),
                                    static_cast<std::uint16_t>(Settings::vres));
    } catch (user_exception* error) {
        // Before the guarded region: say why, and do not play.
        platform::MessageBox(0, error->GetText(), appTitle);
        delete error;
        return kHandledErrorExitCode;
    }
    if (appWindow == 0) return 0;
    BeginTimerPeriod();

    std::int32_t exitCode = kHandledErrorExitCode;
    try {
        StartDevices();
        TextPos loading = ShowTitle();
        StartInput();
        LoadImages();
        BuildWorld();
        HideTitle(loading);
        exitCode = static_cast<std::int32_t>(RunFrameLoop());
    } catch (direct_exception* error) {
        ReportError(error->GetText());
        delete error;
    } catch (user_exception* error) {
        ReportError(error->GetText());
        delete error;
    } catch (...) {
        ReportError("Unknown exception, shutting down ...");
    }

    ShutDown();
    return exitCode;
}
