// The command line: every option is in the usage text and is accepted, the
// comfort options reach the platform's options, and the manual page
// describes the options the usage lists.
#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <regex>
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

// The option each line of a text names: the first word of the usage's
// option lines, and the tag after each .TP of the manual page's OPTIONS.
std::set<std::string> OptionsOf(const std::string& text, const std::regex& line) {
    std::set<std::string> options;
    for (std::sregex_iterator match(text.begin(), text.end(), line), end; match != end; ++match)
        options.insert(std::regex_replace(match->str(1), std::regex(R"(\\-)"), "-"));
    return options;
}

TEST(CommandLine, TheManualPageDescribesTheOptionsOfTheUsageAndNoOthers) {
    std::string page = ReadFile(FARHAVEN_SOURCE_DIR "/tools/install/farhaven.6");
    std::size_t from = page.find("\n.SH OPTIONS\n");
    ASSERT_NE(from, std::string::npos) << "the manual page has no OPTIONS section";
    std::string section = page.substr(from, page.find("\n.SH ", from + 1) - from);
    std::set<std::string> described =
        OptionsOf(section, std::regex(R"(\n\.TP\n\.[BIR]+ ((?:\\-)+[a-z0-9\\-]+))"));
    EXPECT_EQ(described, OptionsOf(Usage(), std::regex(R"((?:^|\n)  (--[a-z0-9-]+))")));
    EXPECT_GE(described.size(), 10u);
}

}  // namespace
