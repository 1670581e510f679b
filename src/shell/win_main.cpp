#include "shell/win_main.h"

#include "config/settings.h"
#include "shell/app_window.h"
#include "shell/exceptions.h"
#include "shell/frame_loop.h"

platform::TimerCaps timerCaps;

void BeginTimerPeriod() {
    timerCaps = platform::TimeGetDevCaps();
    platform::TimeBeginPeriod(timerCaps.periodMin);
}

void EndTimerPeriod() { platform::TimeEndPeriod(timerCaps.periodMin); }

std::int32_t WinMain(const char* programPath) {
    ProgramDirectory = FindProgramDirectory(programPath);
    ReadControlFile();
    ApplyControlValues();

    try {
        appWindow = CreateAppWindow(static_cast<std::uint16_t>(Settings::hres),
                                    static_cast<std::uint16_t>(Settings::vres));
    } catch (user_exception* error) {
        // Before the guarded region: say why, and do not play.
        platform::MessageBox(0, error->GetText(), appTitle);
        delete error;
        return 1;
    }
    if (appWindow == 0) return 0;
    BeginTimerPeriod();

    std::uintptr_t exitCode = RunFrameLoop();

    EndTimerPeriod();
    return static_cast<std::int32_t>(exitCode);
}
