// Runs the built game as a player would: from a run folder of its own, with
// its resources, a control file and key script if wanted, and reads back
// what it said.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <set>
#include <string>
#include <vector>

#include "support/files.h"

struct GameResult {
    int exitCode = -1;
    std::string log;     // the debug channel (--log)
    std::string errors;  // standard error
};

class RunFolder {
public:
    // A fresh folder holding a copy of the program (so that it finds its
    // control file here) and the generated resources.
    RunFolder();
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::filesystem::path& path() const { return folder_.path(); }
    void CopyResources(const std::set<std::string>& leaveOut = {});
    void Write(const std::string& name, const std::string& text) const {
        folder_.Write(name, text);
    }

    // Runs the program here with the arguments, killed after the seconds
    // given; --log goes to a file of the folder.
    GameResult Run(const std::vector<std::string>& arguments, int seconds = 60) const;

    // Starts the program here without waiting for it; Finish waits for it to
    // end, by itself or killed after the seconds given to Start.
    void Start(const std::vector<std::string>& arguments, int seconds);
    GameResult Finish() { return running_.get(); }
    // The log so far, while the program runs.
    std::string LogSoFar() const { return ReadFile(path() / "game.log"); }

private:
    TempFolder folder_;
    std::future<GameResult> running_;
};

// Starts the program in the folder as RunFolder::Run does, waits until
// ready() says so, and sends it the signals, a few tenths of a second apart.
// Its wait status (-1 when it did not end within a minute of the last
// signal: it is killed then), how long it took to end after the last, and
// whether it ended before that.
struct SignalledRun {
    int status = -1;
    std::chrono::duration<double> toEnd{};
    bool endedEarly = false;
};
SignalledRun PlayAndSignal(const RunFolder& folder, const std::vector<std::string>& arguments,
                           const std::vector<int>& signals, const std::function<bool()>& ready);

// One word for sh, whatever characters the text holds.
std::string ShellQuote(const std::string& text);
// Runs a command with sh: its exit code (-1 when it did not exit), and
// everything it printed on standard output and standard error.
std::pair<int, std::string> Output(const std::string& command);

// The built game's folder (build/<preset>/game).
std::filesystem::path GameDirectory();
