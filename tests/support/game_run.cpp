#include "support/game_run.h"

#include <sys/wait.h>

#include <cstdlib>

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::pair<int, std::string> Output(const std::string& command) {
    TempFolder folder;
    std::filesystem::path file = folder.path() / "output.txt";
    int status = std::system((command + " > " + ShellQuote(file.string()) + " 2>&1").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(file)};
}

std::filesystem::path GameDirectory() {
    const char* fromEnvironment = std::getenv("FARHAVEN_GAME_DIR");
    return fromEnvironment != nullptr ? fromEnvironment : FARHAVEN_GAME_DIR;
}

RunFolder::RunFolder() {
    std::filesystem::copy_file(GameDirectory() / "farhaven", path() / "farhaven");
    CopyResources();
}

RunFolder::~RunFolder() {
    if (running_.valid()) running_.wait();
}

void RunFolder::CopyResources(const std::set<std::string>& leaveOut) {
    std::filesystem::remove_all(path() / "resources");
    std::filesystem::create_directories(path() / "resources");
    for (const auto& entry : std::filesystem::directory_iterator(GameDirectory() / "resources")) {
        if (leaveOut.contains(entry.path().filename().string())) continue;
        std::filesystem::copy_file(entry.path(), path() / "resources" / entry.path().filename());
    }
}

GameResult RunFolder::Run(const std::vector<std::string>& arguments, int seconds) const {
    std::string command = "cd " + ShellQuote(path().string()) + " && timeout -s KILL " +
                          std::to_string(seconds) + " ./farhaven --log game.log";
    for (const std::string& argument : arguments) command += ' ' + ShellQuote(argument);
    int status = std::system((command + " 2> errors.txt < /dev/null").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(path() / "game.log"),
            ReadFile(path() / "errors.txt")};
}

void RunFolder::Start(const std::vector<std::string>& arguments, int seconds) {
    running_ = std::async(std::launch::async, [=, this] { return Run(arguments, seconds); });
}
