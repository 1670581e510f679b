// Running other programs on Windows: not there yet. The tests that start
// the game as a program, or a shell command, are the end-to-end and install
// tests, which are built for Linux alone (the Windows check plays the game
// under Wine from its script). Support code they share links here, and says
// so loudly if it is ever called.
#include <gtest/gtest.h>

#include "support/game_run.h"

namespace {

constexpr const char* kNotHere = "starting programs from a test needs a POSIX system";

}  // namespace

std::pair<int, std::string> Output(const std::string& command) {
    ADD_FAILURE() << kNotHere << ": " << command;
    return {-1, kNotHere};
}

GameResult RunFolder::Run(const std::vector<std::string>& /*arguments*/, int /*seconds*/) const {
    ADD_FAILURE() << kNotHere;
    return {};
}

SignalledRun PlayAndSignal(const RunFolder& /*folder*/, const std::vector<std::string>& /*words*/,
                           const std::vector<int>& /*signals*/,
                           const std::function<bool()>& /*ready*/) {
    ADD_FAILURE() << kNotHere;
    return {};
}
