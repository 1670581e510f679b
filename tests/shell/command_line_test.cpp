// The command line: each option reaches the platform's options, each is in
// the usage text, and a bad one is named.
#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandLine, TheComfortOptionsAreReadAndDefaultOff) {
    CommandLine none = ParseCommandLine({});
    EXPECT_FALSE(none.options.integerScale);
    EXPECT_FALSE(none.options.noSound);
    EXPECT_FALSE(none.options.noGamepad);

    CommandLine line = ParseCommandLine(
        {"--window", "--integer-scale", "--no-sound", "--no-gamepad", "--scale", "2"});
    EXPECT_EQ(line.error, "");
    EXPECT_TRUE(line.options.window);
    EXPECT_TRUE(line.options.integerScale);
    EXPECT_TRUE(line.options.noSound);
    EXPECT_TRUE(line.options.noGamepad);
    EXPECT_EQ(line.options.scale, 2u);

    EXPECT_EQ(ParseCommandLine({"--no-sound", "--integer"}).error, "unknown option '--integer'");
    EXPECT_EQ(ParseCommandLine({"--scale", "9"}).error,
              "--scale takes a whole number from 1 to 8, not '9'");
}

TEST(CommandLine, EveryOptionIsInTheUsageAndIsAccepted) {
    const std::vector<std::vector<std::string>> lines = {
        {"--window"},
        {"--scale", "3"},
        {"--integer-scale"},
        {"--no-sound"},
        {"--no-gamepad"},
        {"--headless"},
        {"--keys", "k.txt"},
        {"--frames", "5"},
        {"--log", "-"},
        {"--screenshot", "end.png"},
        {"--fail", "ddraw.mode=88760078@2"},
        {"--rgb555"},
        {"--help"},
        {"--version"},
    };
    for (const auto& arguments : lines) {
        EXPECT_NE(Usage().find("  " + arguments[0] + " "), std::string::npos) << arguments[0];
        EXPECT_EQ(ParseCommandLine(arguments).error, "") << arguments[0];
    }
}

}  // namespace
