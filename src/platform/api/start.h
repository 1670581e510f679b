// Starting the platform for a run of the program: the one call that picks a
// backend, made once, before the game runs.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "platform/api/options.h"

namespace platform {

// The platform could not be started (no display, a bad key script, a file
// that cannot be written, no font): the message names what and where, and
// the program ends with the exit code.
class BackendError : public std::runtime_error {
public:
    BackendError(const std::string& message, int exitCode)
        : std::runtime_error(message), exitCode_(exitCode) {}
    int exitCode() const { return exitCode_; }

private:
    int exitCode_;
};

// The exit code when a file the player named (a key script, a log, a
// recording, a sound file, a screenshot) cannot be read or written.
constexpr int kBadFileExitCode = 2;

// The platform of a run, installed for the object's lifetime. From its
// start to its end, an interrupt (SIGINT, SIGHUP, SIGTERM) ends the game as
// the close button does.
class RunningPlatform {
public:
    virtual ~RunningPlatform() = default;
    // Once the game is over: closes every file the player named and says how
    // the program ends: 2 when one of them could not be written in full,
    // 128 + the signal when an interrupt ended the game, else the game's own
    // exit code.
    virtual int Finish(int gameExitCode) = 0;
};

// Where the system starts a windowed program without a terminal (Windows,
// from Explorer or from a console), standard output and error lead
// nowhere: this connects them to the console the program was started from,
// if there is one, before anything is said. Nothing to do elsewhere.
void ConnectTerminal();

// Says a message the program stops on ("farhaven: " and the message) on
// standard error or, where nobody would see that (a Windows game started
// without a console), in a message box.
void TellPlayer(const std::string& message);

// Checks the files the options name (two options naming one file, or an
// output over an input, are refused; so is one that cannot be written),
// then installs the backend the options ask for (headless with --headless,
// else SDL) with the debug channel writing where they say and the default
// font open. Throws BackendError, before any file is opened for writing
// when the files are at fault.
std::unique_ptr<RunningPlatform> StartPlatform(const Options& options);

}  // namespace platform
