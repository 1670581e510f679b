// Running the game and other programs on POSIX systems: sh, fork and
// signals.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "support/game_run.h"

std::pair<int, std::string> Output(const std::string& command) {
    TempFolder folder;
    std::filesystem::path file = folder.path() / "output.txt";
    int status = std::system((command + " > " + ShellQuote(file.string()) + " 2>&1").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(file)};
}

GameResult RunFolder::Run(const std::vector<std::string>& arguments, int seconds) const {
    std::string command = "(cd " + ShellQuote(path().string()) + " && timeout -s KILL " +
                          std::to_string(seconds) + " ./farhaven --log game.log";
    for (const std::string& argument : arguments) command += ' ' + ShellQuote(argument);
    return {Output(command + " 2> errors.txt < /dev/null)").first, ReadFile(path() / "game.log"),
            ReadFile(path() / "errors.txt")};
}

namespace {

// Waits up to a minute for the condition.
bool WaitFor(const std::function<bool()>& condition) {
    using Clock = std::chrono::steady_clock;
    for (auto start = Clock::now(); Clock::now() - start < std::chrono::seconds(60);) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace

SignalledRun PlayAndSignal(const RunFolder& folder, const std::vector<std::string>& arguments,
                           const std::vector<int>& signals, const std::function<bool()>& ready) {
    std::vector<std::string> words = {"./farhaven", "--log", "game.log"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    pid_t game = fork();
    if (game == 0) {
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        if (chdir(folder.path().c_str()) != 0) _exit(127);
        int errors = open("errors.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (errors < 0 || dup2(errors, 2) < 0) _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    WaitFor(ready);
    SignalledRun run;
    for (std::size_t i = 0; i < signals.size() && !run.endedEarly; ++i) {
        if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(300));
        run.endedEarly = i > 0 && waitpid(game, &run.status, WNOHANG) == game;
        if (!run.endedEarly) kill(game, signals[i]);
    }
    auto signalled = std::chrono::steady_clock::now();
    if (!run.endedEarly && !WaitFor([&] { return waitpid(game, &run.status, WNOHANG) == game; })) {
        kill(game, SIGKILL);
        waitpid(game, &run.status, 0);
        run.status = -1;
    }
    run.toEnd = std::chrono::steady_clock::now() - signalled;
    return run;
}
