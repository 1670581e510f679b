#include "support/game_run.h"

#include <cstdlib>

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::filesystem::path GameDirectory() {
    const char* fromEnvironment = std::getenv("FARHAVEN_GAME_DIR");
    return fromEnvironment != nullptr ? fromEnvironment : FARHAVEN_GAME_DIR;
}

RunFolder::RunFolder() {
    std::filesystem::copy_file(GameDirectory() / FARHAVEN_PROGRAM, path() / FARHAVEN_PROGRAM);
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

void RunFolder::Start(const std::vector<std::string>& arguments, int seconds) {
    running_ = std::async(std::launch::async, [=, this] { return Run(arguments, seconds); });
}
