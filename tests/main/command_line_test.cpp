// The command line: values reach the options, and what is wrong is refused
// with a reason.
#include "main/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CommandLine, ValuesReachTheOptions) {
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
                                         "--record",
                                         "r.keys",
                                         "--fail",
                                         "ddraw.mode=88760078@2",
                                         "--fail",
                                         "dsound.create",
                                         "--rgb555"});
    ASSERT_EQ(line.error, "");
    const platform::Options& o = line.options;
    EXPECT_TRUE(o.window && o.integerScale && o.noSound && o.noGamepad && o.headless && o.rgb555);
    EXPECT_EQ(std::tuple(o.scale, o.keysFile, *o.frames, o.logFile, o.screenshotFile, o.recordFile),
              std::tuple(3u, "k.txt", 5u, "-", "x.png", "r.keys"));
    ASSERT_EQ(o.failures.size(), 2u);
    EXPECT_EQ(std::tuple(o.failures[0].step, o.failures[0].code, o.failures[0].fromCall),
              std::tuple("ddraw.mode", platform::DDERR_INVALIDMODE, 2u));
    EXPECT_EQ(std::tuple(o.failures[1].code, o.failures[1].fromCall),
              std::tuple(platform::E_FAIL, 1u));
    EXPECT_FALSE(ParseCommandLine({"--headless"}).options.window);
    EXPECT_TRUE(ParseCommandLine({"--help", "--version"}).help);
}

TEST(CommandLine, BadValuesAreRefusedWithAReason) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--scale", "9"}, "--scale takes a whole number from 1 to 8, not '9'"},
        {{"--scale", "0"}, "--scale takes a whole number from 1 to 8, not '0'"},
        {{"--frames", "0"}, "--frames takes a positive whole number, not '0'"},
        {{"--frames", "12x"}, "--frames takes a positive whole number, not '12x'"},
        {{"--keys"}, "--keys needs a value"},
        {{"--record"}, "--record needs a value"},
        {{"--fail", "ddraw.bogus"}, "--fail: bad step 'ddraw.bogus'"},
        {{"--fail", "ddraw.mode=xyz"}, "--fail: bad step 'ddraw.mode=xyz'"},
        {{"--fail", "ddraw.mode@0"}, "--fail: bad step 'ddraw.mode@0'"},
        {{"--no-sounds"}, "unknown option '--no-sounds'"},
    };
    for (const auto& [arguments, error] : refused) {
        EXPECT_EQ(ParseCommandLine(arguments).error, error) << arguments.front();
    }
}

}  // namespace
