// Every example the README shows a player runs as shown, so that none goes
// stale: each key script plays, and each command that runs the game works
// in the game's folder with the first script saved as game.keys. A command
// that plays in a window runs headless here, with a player who moves and
// quits; the real-window tests play it in a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

// What the README shows a player: its key scripts and its commands that run
// the game (lines starting "./farhaven", typed in the game's folder, with
// their continuation lines), in the order it shows them.
struct ReadmeExamples {
    std::vector<std::string> scripts;
    std::vector<std::string> commands;
};

ReadmeExamples ReadReadmeExamples() {
    ReadmeExamples examples;
    std::istringstream lines(ReadFile(FARHAVEN_SOURCE_DIR "/README.md") + "\nend\n");
    std::string block;  // the indented lines so far, indent taken off
    std::string command;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("    ")) {
            block += line.substr(4) + "\n";
            if (command.empty() && !line.starts_with("    ./farhaven")) continue;
            command += line.substr(4);
            if (command.ends_with("\\")) {
                command.pop_back();
            } else {
                examples.commands.push_back(command);
                command.clear();
            }
        } else if (!line.empty()) {
            // A block whose first line but comments starts with a frame is a key script.
            std::size_t at = 0;
            while (at < block.size() && block[at] == '#') at = block.find('\n', at) + 1;
            if (at < block.size() && std::isdigit(static_cast<unsigned char>(block[at])) != 0) {
                examples.scripts.push_back(block);
            }
            block.clear();
        }
    }
    return examples;
}

// A command's words after "./farhaven" (the README's hold no quotes).
std::vector<std::string> CommandArguments(const std::string& command) {
    std::istringstream words(command);
    std::vector<std::string> arguments;
    for (std::string word; words >> word;) arguments.push_back(word);
    arguments.erase(arguments.begin());
    return arguments;
}

TEST(Readme, EveryKeyScriptAndGameCommandItShowsRuns) {
    ReadmeExamples readme = ReadReadmeExamples();
    ASSERT_GE(readme.scripts.size(), 1u);
    ASSERT_GE(readme.commands.size(), 3u);
    RunFolder folder;
    for (const std::string& script : readme.scripts) {
        folder.Write("game.keys", script);
        GameResult run = folder.Run({"--headless", "--keys", "game.keys", "--frames", "400"});
        EXPECT_EQ(std::tuple(run.exitCode, run.errors), std::tuple(0, "")) << script;
    }
    folder.Write("game.keys", readme.scripts.front());
    folder.Write("player.keys", "1-30 RIGHT\n40 S\n100 ESC SKIP\n");
    for (const std::string& command : readme.commands) {
        std::vector<std::string> arguments = CommandArguments(command);
        if (std::find(arguments.begin(), arguments.end(), "--headless") == arguments.end()) {
            arguments.insert(arguments.begin(), {"--headless", "--keys", "player.keys"});
        }
        GameResult run = folder.Run(arguments);
        EXPECT_EQ(run.exitCode, 0) << command << "\n" << run.errors;
    }
}

}  // namespace
