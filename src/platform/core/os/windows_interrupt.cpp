// Interrupts on Windows: a console control handler. Ctrl-C, Ctrl-Break and
// a closed console (or the user logging off, the machine shutting down)
// are numbered as the C library's signals for them, so that the exit code
// is the one a POSIX shell reports for the same key (130 for Ctrl-C): the
// same number from the game on every system, for scripts and for the tests.
#include "platform/core/os/interrupt.h"

#include <windows.h>

#include <atomic>
#include <csignal>

namespace platform {
namespace {

constexpr int kInterruptedExitBase = 128;
// The C library's number for Ctrl-Break (MinGW's SIGBREAK).
constexpr int kBreak = 21;
// How long Windows waits for a closing console's handler before it ends
// the program anyway is 5 s; the game's last frame and files take less.
constexpr DWORD kCloseGraceMs = 4500;

// The handler runs on a thread of its own, so a plain atomic will do.
std::atomic<int> caught{0};
std::atomic<HANDLE> finished{nullptr};  // set when the handlers go: the run is over

int SignalOf(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
            return SIGINT;
        case CTRL_BREAK_EVENT:
            return kBreak;
        default:
            return SIGTERM;  // the console closed, a log-off, a shutdown
    }
}

BOOL WINAPI NoteInterrupt(DWORD event) {
    int signal = SignalOf(event);
    int none = 0;
    // A second interrupt of the same kind takes Windows' own way: the end.
    if (!caught.compare_exchange_strong(none, signal) && none == signal) return FALSE;
    if (signal == SIGTERM) {
        // Windows ends the program once this returns: wait for the game.
        // A handle closed meanwhile fails the wait at once, as it should.
        if (HANDLE event = finished.load(); event != nullptr)
            WaitForSingleObject(event, kCloseGraceMs);
    }
    return TRUE;
}

}  // namespace

struct InterruptHandlers::Before {};

int CaughtInterrupt() {
    return caught.load();
}

std::optional<int> InterruptedExitCode() {
    int signal = caught.load();
    if (signal == 0) return std::nullopt;
    return kInterruptedExitBase + signal;
}

InterruptHandlers::InterruptHandlers() : before_(std::make_unique<Before>()) {
    caught = 0;
    finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(NoteInterrupt, TRUE);
}

InterruptHandlers::~InterruptHandlers() {
    HANDLE event = finished.exchange(nullptr);
    if (event != nullptr) SetEvent(event);
    SetConsoleCtrlHandler(NoteInterrupt, FALSE);
    if (event != nullptr) CloseHandle(event);
}

}  // namespace platform
