// What the README shows a player: its key scripts and its commands that run
// the game (lines starting "./farhaven", typed in the game's folder, with
// their continuation lines), in the order it shows them.
#pragma once

#include <string>
#include <vector>

struct ReadmeExamples {
    std::vector<std::string> scripts;
    std::vector<std::string> commands;
};

ReadmeExamples ReadReadmeExamples();

// A command's words after "./farhaven" (the README's hold no quotes).
std::vector<std::string> CommandArguments(const std::string& command);
