#include "platform/core/interrupt.h"

#include <cstddef>

namespace platform {
namespace {

// Set by the handler, read by the game's thread: the one thing a handler
// may safely do.
volatile std::sig_atomic_t caught = 0;

extern "C" void NoteInterrupt(int signal) {
    caught = signal;
}

}  // namespace

int CaughtInterrupt() {
    return caught;
}

InterruptHandlers::InterruptHandlers() {
    caught = 0;
    struct sigaction action {};
    action.sa_handler = NoteInterrupt;
    sigemptyset(&action.sa_mask);
    // Restarted calls keep the game's own waits and writes going; the
    // handler goes after one use, so a second signal takes its default way.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    std::size_t i = 0;
    for (int signal : kSignals) sigaction(signal, &action, &before_[i++]);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &pipeBefore_);
}

InterruptHandlers::~InterruptHandlers() {
    std::size_t i = 0;
    for (int signal : kSignals) sigaction(signal, &before_[i++], nullptr);
    sigaction(SIGPIPE, &pipeBefore_, nullptr);
}

}  // namespace platform
