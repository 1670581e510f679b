#include "support/game_run.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::filesystem::path GameDirectory() {
    const char* fromEnvironment = std::getenv("FARHAVEN_GAME_DIR");
    return fromEnvironment != nullptr ? fromEnvironment : FARHAVEN_GAME_DIR;
}

RunFolder::RunFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("farhaven-run-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ / "resources");
    std::filesystem::copy_file(GameDirectory() / "farhaven", path_ / "farhaven");
    CopyResources();
}

RunFolder::~RunFolder() {
    if (running_ > 0) {
        ::kill(running_, SIGKILL);
        ::waitpid(running_, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void RunFolder::CopyResources(const std::set<std::string>& leaveOut) {
    std::filesystem::remove_all(path_ / "resources");
    std::filesystem::create_directories(path_ / "resources");
    std::error_code missing;
    for (const auto& entry :
         std::filesystem::directory_iterator(GameDirectory() / "resources", missing)) {
        if (leaveOut.contains(entry.path().filename().string())) continue;
        std::filesystem::copy_file(entry.path(), path_ / "resources" / entry.path().filename());
    }
}

void RunFolder::Write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
}

GameResult RunFolder::Run(const std::vector<std::string>& arguments) const {
    std::string command = "cd " + ShellQuote(path_.string()) + " && ./farhaven --log game.log";
    for (const std::string& argument : arguments) {
        command += ' ';
        command += ShellQuote(argument);
    }
    command += " 2> errors.txt < /dev/null";
    int status = std::system(command.c_str());
    GameResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.log = ReadFile(path_ / "game.log");
    result.errors = ReadFile(path_ / "errors.txt");
    return result;
}

void RunFolder::Start(const std::vector<std::string>& arguments) {
    std::vector<std::string> words = {"./farhaven", "--log", "game.log"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    running_ = ::fork();
    if (running_ != 0) return;
    // The child: from the run folder, errors to a file, no input.
    if (::chdir(path_.c_str()) != 0) ::_exit(127);
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
    GameResult result;
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
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.log = ReadFile(path_ / "game.log");
    result.errors = ReadFile(path_ / "errors.txt");
    return result;
}

std::string RunFolder::LogSoFar() const {
    return ReadFile(path_ / "game.log");
}
