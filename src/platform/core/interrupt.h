// Ctrl-C, a terminal that goes away, or a polite kill (SIGINT, SIGHUP,
// SIGTERM) ends the game the way the close button does, so that every file
// the player named is finished; the program's exit code then says which
// signal it was. A second one of the same kind ends the program at once,
// for a game that does not. A reader of a pipe that goes away is a failed
// write (EPIPE) of the file concerned, not a signal that kills the game.
#pragma once

#include <csignal>
#include <iterator>

namespace platform {

// The signal caught, or 0.
int CaughtInterrupt();

// The handlers, in place for the object's lifetime (the program's run).
class InterruptHandlers {
public:
    InterruptHandlers();
    ~InterruptHandlers();
    InterruptHandlers(const InterruptHandlers&) = delete;
    InterruptHandlers& operator=(const InterruptHandlers&) = delete;

    static constexpr int kSignals[] = {SIGINT, SIGHUP, SIGTERM};

private:
    struct sigaction before_[std::size(kSignals)];
    struct sigaction pipeBefore_;
};

}  // namespace platform
