// Runs the built game as a player would: from a run folder of its own, with
// its resources, a control file and key script if wanted, and reads back
// what it said.
#pragma once

#include <filesystem>
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

    // Runs the program here with the arguments; --log goes to a file of the folder.
    GameResult Run(const std::vector<std::string>& arguments) const;

    // Starts the program here without waiting for it (--log goes to
    // game.log); Finish waits at most the given seconds, then kills it.
    void Start(const std::vector<std::string>& arguments);
    GameResult Finish(int seconds);
    // The log so far, while the program runs.
    std::string LogSoFar() const { return ReadFile(path() / "game.log"); }

private:
    GameResult Result(int status) const;

    TempFolder folder_;
    int running_ = -1;  // process id of a started program
};

// One word for sh, whatever characters the text holds.
std::string ShellQuote(const std::string& text);
// Runs a command with sh: its exit code (-1 when it did not exit), and
// everything it printed on standard output and standard error.
std::pair<int, std::string> Output(const std::string& command);

// The built game's folder (build/<preset>/game).
std::filesystem::path GameDirectory();
