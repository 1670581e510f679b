// Interrupts on POSIX systems: signal handlers that note the signal and go.
#include "platform/core/os/interrupt.h"

#include <csignal>
#include <cstddef>
#include <iterator>

namespace platform {
namespace {

constexpr int kSignals[] = {SIGINT, SIGHUP, SIGTERM};

// As shells report a program that a signal ended.
constexpr int kInterruptedExitBase = 128;

// Set by the handler, read by the game's thread: the one thing a handler
// may safely do.
volatile std::sig_atomic_t caught = 0;

extern "C" void NoteInterrupt(int signal) {
    caught = signal;
}

}  // namespace

struct InterruptHandlers::Before {
    struct sigaction signals[std::size(kSignals)];
    struct sigaction pipe;
};

int CaughtInterrupt() {
    return caught;
}

std::optional<int> InterruptedExitCode() {
    if (caught == 0) return std::nullopt;
    return kInterruptedExitBase + caught;
}

InterruptHandlers::InterruptHandlers() : before_(std::make_unique<Before>()) {
    caught = 0;
    struct sigaction action {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    // Restarted calls keep the game's own waits and writes going; the
    // handler goes after one use, so a second signal takes its default way.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    std::size_t i = 0;
    for (int signal : kSignals) sigaction(signal, &action, &before_->signals[i++]);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &before_->pipe);
}

InterruptHandlers::~InterruptHandlers() {
    std::size_t i = 0;
    for (int signal : kSignals) sigaction(signal, &before_->signals[i++], nullptr);
    sigaction(SIGPIPE, &before_->pipe, nullptr);
}

}  // namespace platform
