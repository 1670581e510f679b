// The command line: every option is in the usage text and is accepted, and
// the comfort options reach the platform's options.
#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CommandLine, EveryOptionIsInTheUsageAndIsAccepted) {
    CommandLine line = ParseCommandLine({"--window",
                                         "--scale",
                                         "3",
                                         "--integer-scale",
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
                                         "--audio-out",
                                         "x.wav",
                                         "--fail",
                                         "ddraw.mode=88760078@2",
                                         "--rgb555",
                                         "--help",
                                         "--version"});
    EXPECT_EQ(line.error, "");
    for (const char* option :
         {"--window", "--scale", "--integer-scale", "--no-sound", "--no-gamepad", "--headless",
          "--keys", "--frames", "--log", "--screenshot", "--audio-out", "--fail", "--rgb555",
          "--help", "--version"}) {
        EXPECT_NE(Usage().find(std::string("  ") + option + " "), std::string::npos) << option;
    }
    EXPECT_TRUE(line.options.integerScale && line.options.noGamepad);
    EXPECT_EQ(line.options.audioOutFile, "x.wav");
    EXPECT_TRUE(ParseCommandLine({"--no-sound"}).options.noSound);
    EXPECT_FALSE(ParseCommandLine({"--no-sound"}).options.noGamepad);
    EXPECT_EQ(ParseCommandLine({"--no-sound", "--audio-out", "x.wav"}).error,
              "--audio-out has nothing to write with --no-sound");
    EXPECT_EQ(ParseCommandLine({"--no-sounds"}).error, "unknown option '--no-sounds'");
}

}  // namespace
