#include "support/game_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

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
    if (running_ > 0) {
        ::kill(running_, SIGKILL);
        ::waitpid(running_, nullptr, 0);
    }
}

void RunFolder::CopyResources(const std::set<std::string>& leaveOut) {
    std::filesystem::remove_all(path() / "resources");
    std::filesystem::create_directories(path() / "resources");
    for (const auto& entry : std::filesystem::directory_iterator(GameDirectory() / "resources")) {
        if (leaveOut.contains(entry.path().filename().string())) continue;
        std::filesystem::copy_file(entry.path(), path() / "resources" / entry.path().filename());
    }
}

GameResult RunFolder::Result(int status) const {
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(path() / "game.log"),
            ReadFile(path() / "errors.txt")};
}

GameResult RunFolder::Run(const std::vector<std::string>& arguments) const {
    std::string command = "cd " + ShellQuote(path().string()) + " && ./farhaven --log game.log";
    for (const std::string& argument : arguments) command += ' ' + ShellQuote(argument);
    return Result(std::system((command + " 2> errors.txt < /dev/null").c_str()));
}

void RunFolder::Start(const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {"./farhaven", "--log", "game.log"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    running_ = ::fork();
    if (running_ != 0) return;
    // The child: from the run folder, errors to a file, no input.
    if (::chdir(path().c_str()) != 0) ::_exit(127);
    if (!std::freopen("errors.txt", "wb", stderr) || !std::freopen("/dev/null", "rb", stdin)) {
        ::_exit(127);
    }
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv("./farhaven", argv.data());
    ::_exit(127);
}

GameResult RunFolder::Finish(int seconds) {
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (::waitpid(running_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(running_, SIGKILL);
            ::waitpid(running_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    running_ = -1;
    return Result(status);
}
