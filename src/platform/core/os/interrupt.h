// Ctrl-C, a terminal that goes away, or a polite kill (SIGINT, SIGHUP,
// SIGTERM; on Windows Ctrl-C, Ctrl-Break and a closed console) ends the game
// the way the close button does, so that every file the player named is
// finished; the program's exit code then says which interrupt it was. A
// second one of the same kind ends the program at once, for a game that
// does not. A reader of a pipe that goes away is a failed write of the file
// concerned, not a signal that kills the game.
//
// This header is the same on every system; the calls behind it are in
// the posix_ and windows_ files beside it.
#pragma once

#include <memory>
#include <optional>

namespace platform {

// The interrupt caught, as the system numbers it (the signal), or 0.
int CaughtInterrupt();

// The exit code of a program that an interrupt ended, if one was caught:
// on POSIX systems 128 + the signal, as shells report it (130 for Ctrl-C).
std::optional<int> InterruptedExitCode();

// The handlers, in place for the object's lifetime (the program's run).
class InterruptHandlers {
public:
    InterruptHandlers();
    ~InterruptHandlers();
    InterruptHandlers(const InterruptHandlers&) = delete;
    InterruptHandlers& operator=(const InterruptHandlers&) = delete;

private:
    struct Before;  // the handlers that were there, given back at the end
    std::unique_ptr<Before> before_;
};

}  // namespace platform
