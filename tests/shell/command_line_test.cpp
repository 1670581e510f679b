// The command line: values reach the options, what is wrong is refused with
// a reason, and the manual page describes the options the usage lists.
#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "support/files.h"

namespace {

TEST(CommandLine, ValuesReachTheOptions) {
    std::istringstream words(
        "--window --integer-scale --no-gamepad --headless --keys k.txt --log - --screenshot x.png "
        "--record r.keys --audio-out s.wav --fail ddraw.mode=88760078@2 --fail dsound.create "
        "--rgb555");
    CommandLine line = ParseCommandLine(
        {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()});
    ASSERT_EQ(line.error, "");
    const platform::Options& o = line.options;
    EXPECT_TRUE(o.window && o.integerScale && !o.noSound && o.noGamepad && o.headless && o.rgb555);
    EXPECT_EQ(std::tuple(o.keysFile, o.logFile, o.screenshotFile, o.recordFile, o.audioOutFile),
              std::tuple("k.txt", "-", "x.png", "r.keys", "s.wav"));
    ASSERT_EQ(o.failures.size(), 2u);
    EXPECT_EQ(std::tuple(o.failures[0].step, o.failures[0].code, o.failures[0].fromCall),
              std::tuple("ddraw.mode", platform::DDERR_INVALIDMODE, 2u));
    EXPECT_EQ(std::tuple(o.failures[1].code, o.failures[1].fromCall),
              std::tuple(platform::E_FAIL, 1u));
    EXPECT_FALSE(ParseCommandLine({"--headless"}).options.window);
    EXPECT_TRUE(ParseCommandLine({"--help", "--version"}).help);
    EXPECT_TRUE(ParseCommandLine({"--no-sound"}).options.noSound);
    // Every option that takes a value takes it after `=` too, `=` and all.
    CommandLine joined =
        ParseCommandLine({"--headless", "--record=a=b.keys", "--keys=k", "--log=-", "--audio-out=-",
                          "--screenshot=s.png", "--fail=dinput.state"});
    ASSERT_EQ(joined.error, "");
    EXPECT_EQ(std::tuple(joined.options.recordFile, joined.options.keysFile, joined.options.logFile,
                         joined.options.audioOutFile, joined.options.screenshotFile,
                         joined.options.failures.size()),
              std::tuple("a=b.keys", "k", "-", "-", "s.png", 1u));
}

TEST(CommandLine, BadValuesAreRefusedWithAReason) {
    const std::string failForm = "' (CODE from 80000000 to FFFFFFFF, N from 1)";
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--keys"}, "--keys needs a value"},
        {{"--record"}, "--record needs a value"},
        {{"--audio-out", ""}, "--audio-out needs a file name"},
        {{"--log="}, "--log needs a file name"},
        {{"--screenshot", ""}, "--screenshot needs a file name"},
        {{"--record="}, "--record needs a file name"},
        {{"--keys", ""}, "--keys needs a file name"},
        {{"--window=yes"}, "--window takes no value"},
        {{"--frames="}, "--frames takes a positive whole number, not ''"},
        {{"--scale", "-1"}, "--scale takes a whole number from 1 to 8, not '-1'"},
        {{"--scale=9"}, "--scale takes a whole number from 1 to 8, not '9'"},
        {{"--fail", "ddraw.bogus"}, "--fail: bad step 'ddraw.bogus" + failForm},
        {{"--fail", "ddraw.mode=0"}, "--fail: bad step 'ddraw.mode=0" + failForm},
        {{"--fail", "ddraw.mode=xyz"}, "--fail: bad step 'ddraw.mode=xyz" + failForm},
        {{"--no-sounds"}, "unknown option '--no-sounds'"},
        {{"--keys", "k.txt"}, "--keys needs --headless"},
        {{"--fail", "ddraw.mode"}, "--fail needs --headless"},
        {{"--rgb555", "--window"}, "--rgb555 needs --headless"},
        {{"--no-sound", "--audio-out", "s.wav"},
         "--audio-out has nothing to write with --no-sound"},
    };
    for (auto [arguments, error] : refused) {
        if (!error.ends_with("needs --headless")) arguments.insert(arguments.begin(), "--headless");
        EXPECT_EQ(ParseCommandLine(arguments).error, error) << arguments.front();
    }
}

// The first word of each line that holds one of the options: the usage's
// lines that start "  --", the page's tag lines after ".TP" (troff's \- read as -).
std::set<std::string> Options(const std::string& text, bool page) {
    std::set<std::string> options;
    std::istringstream lines(text);
    bool tag = false;
    for (std::string line; std::getline(lines, line); tag = line == ".TP") {
        std::string first, option;
        std::istringstream(line) >> first >> option;
        if (!page && line.starts_with("  --")) options.insert(first);
        if (!page || !tag) continue;
        for (std::size_t at; (at = option.find("\\-")) != std::string::npos;) option.erase(at, 1);
        options.insert(option);
    }
    return options;
}

TEST(CommandLine, TheManualPageDescribesTheOptionsOfTheUsageAndNoOthers) {
    std::string page = ReadFile(FARHAVEN_SOURCE_DIR "/tools/install/farhaven.6");
    std::size_t from = page.find("\n.SH OPTIONS\n");
    ASSERT_NE(from, std::string::npos) << "the manual page has no OPTIONS section";
    std::set<std::string> described =
        Options(page.substr(from, page.find("\n.SH ", from + 1) - from), true);
    EXPECT_EQ(described, Options(Usage(), false));
    EXPECT_GE(described.size(), 10u);
}

}  // namespace
