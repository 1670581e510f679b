// The command line: every option is in the usage text and is accepted, the
// comfort options reach the platform's options, and the manual page
// describes the options the usage lists.
#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "support/game_run.h"

namespace {

TEST(CommandLine, EveryOptionIsInTheUsageAndIsAccepted) {
    CommandLine line = ParseCommandLine({"--window",
                                         "--scale",
                                         "3",
                                         "--integer-scale",
                                         "--no-sound",
                                         "--no-gamepad",
                                         "--headless",
                                         "--keys",
                                         "k.txt",
                                         "--frames",
                                         "5",
                                         "--log",
                                         "-",
                                         "--screenshot",
                                         "x.png",
                                         "--fail",
                                         "ddraw.mode=88760078@2",
                                         "--rgb555",
                                         "--help",
                                         "--version"});
    EXPECT_EQ(line.error, "");
    for (const char* option : {"--window", "--scale", "--integer-scale", "--no-sound",
                               "--no-gamepad", "--headless", "--keys", "--frames", "--log",
                               "--screenshot", "--fail", "--rgb555", "--help", "--version"}) {
        EXPECT_NE(Usage().find(std::string("  ") + option + " "), std::string::npos) << option;
    }
    EXPECT_TRUE(line.options.integerScale && line.options.noSound && line.options.noGamepad);
    EXPECT_FALSE(ParseCommandLine({"--no-sound"}).options.noGamepad);
    EXPECT_EQ(ParseCommandLine({"--no-sounds"}).error, "unknown option '--no-sounds'");
}

// The options the usage lists: the first word of its lines that start "  --".
std::set<std::string> UsageOptions() {
    std::set<std::string> options;
    std::istringstream lines(Usage());
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("  --")) options.insert(line.substr(2, line.find(' ', 2) - 2));
    }
    return options;
}

// The options a manual page section describes: the first word of the tag
// line after each .TP, troff's \- read as -.
std::set<std::string> PageOptions(const std::string& section) {
    std::set<std::string> options;
    std::istringstream lines(section);
    bool tag = false;
    for (std::string line; std::getline(lines, line); tag = line == ".TP") {
        if (!tag) continue;
        std::string macro, option;
        std::istringstream(line) >> macro >> option;
        for (std::size_t at; (at = option.find("\\-")) != std::string::npos;) option.erase(at, 1);
        options.insert(option);
    }
    return options;
}

TEST(CommandLine, TheManualPageDescribesTheOptionsOfTheUsageAndNoOthers) {
    std::string page = ReadFile(FARHAVEN_SOURCE_DIR "/tools/install/farhaven.6");
    std::size_t from = page.find("\n.SH OPTIONS\n");
    ASSERT_NE(from, std::string::npos) << "the manual page has no OPTIONS section";
    std::string section = page.substr(from, page.find("\n.SH ", from + 1) - from);
    std::set<std::string> described = PageOptions(section);
    EXPECT_EQ(described, UsageOptions());
    EXPECT_GE(described.size(), 10u);
}

}  // namespace
