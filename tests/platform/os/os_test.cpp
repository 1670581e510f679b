// The operating system's side of the platform, the same checks on every
// system (POSIX here, Windows under Wine): which names are one file, what
// cannot be written, the player's files written at offsets and cut, the
// program's own path.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/os/file_identity.h"
#include "platform/core/os/output_file.h"
#include "platform/core/os/utf8_path.h"
#include "platform/core/os/whole_file.h"
#include "support/files.h"

namespace {

using platform::IdentityOf;

// Names relative to the folder; each case is one file, or two.
struct NamesCase {
    const char* first;
    const char* second;
    bool oneFile;
};

TEST(FileIdentity, TellsOneFileByAnyOfItsNames) {
    TempFolder folder;
    folder.Write("a", "x");
    folder.Write("sub/b", "y");
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    // A system that ignores case sees "A" as "a", and then must call it one file.
    const bool foldsCase = std::filesystem::exists("A");
    // Where a backslash separates folders (Windows), ".\\a" is "a" too.
    const bool backslashSeparates = std::filesystem::path("x\\y").has_parent_path();
    const std::vector<NamesCase> cases = {
        {"a", "./a", true},          {"a", "sub/../a", true},
        {"sub/b", "./sub//b", true}, {"a", "A", foldsCase},
        {"a", "sub/b", false},       {"new", "./new", true},
        {"new", "other", false},     {"new", "sub/../new", true},
        {"a", "new", false},         {"a", ".\\a", backslashSeparates},
        {"new", "NEW", foldsCase},   {"sub/new", "SUB/NEW", foldsCase},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IdentityOf(c.first) == IdentityOf(c.second), c.oneFile)
            << c.first << " and " << c.second;
    }
    EXPECT_TRUE(IdentityOf("a").exists);
    EXPECT_FALSE(IdentityOf("new").exists);
    std::filesystem::current_path(here);
}

// An existing file, or a new one in an existing folder, can be written;
// a folder, or a file in a folder that is missing or is a file, cannot.
TEST(FileIdentity, SaysWhyAFileCannotBeWritten) {
    TempFolder folder;
    folder.Write("a", "x");
    const std::tuple<const char*, bool, bool> cases[] = {
        {"a", false, true}, {"a", true, true},          {"new", false, true},
        {"", false, false}, {"none/new", false, false}, {"a/new", false, false}};
    for (auto [name, besideToo, writable] : cases) {
        const std::string file = (folder.path() / name).string();
        EXPECT_EQ(platform::WhyNotWritable(file, besideToo) == std::nullopt, writable) << name;
    }
}

// Written at the end, then at an offset (a sound file's header), then at
// the end again: the end stays where it was; a cut file goes on from its cut.
TEST(OutputFile, WritesAtOffsetsWithoutMovingItsEndAndCuts) {
    TempFolder folder;
    const std::string name = (folder.path() / "out.bin").string();
    {
        platform::OutputFile file(name, "test file");
        ASSERT_TRUE(file.seekable());
        EXPECT_TRUE(file.Write("abcdef"));
        EXPECT_TRUE(file.WriteAt(1, "XY"));
        EXPECT_TRUE(file.Write("gh"));
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(ReadFile(name), "aXYdefgh");
    {
        platform::OutputFile file(name, "test file");
        EXPECT_TRUE(file.Write("0123456789"));
        EXPECT_TRUE(file.CutTo(4));
        EXPECT_TRUE(file.Write("ab"));
        EXPECT_TRUE(file.Close());
    }
    EXPECT_EQ(ReadFile(name), "0123ab");
    EXPECT_THROW(platform::OutputFile((folder.path() / "none" / "x").string(), "test file"),
                 std::exception);
}

// The player's names in any script, as UTF-8: a file written, replaced whole
// and told from another by its name.
TEST(OutputFile, TakesNamesInAnyScript) {
    TempFolder folder;
    const std::string name = platform::NameOf(folder.path()) + "/journal \u00e9\u4e2d.txt";
    {
        platform::OutputFile file(name, "test file");
        EXPECT_TRUE(file.Write("first") && file.Close());
    }
    EXPECT_EQ(ReadFile(platform::PathOf(name)), "first");
    EXPECT_TRUE(platform::ReplaceWhole(name, "test file", "second"));
    EXPECT_EQ(ReadFile(platform::PathOf(name)), "second");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_TRUE(IdentityOf(name).exists);
    EXPECT_FALSE(IdentityOf(name) == IdentityOf(name + "2"));
}

}  // namespace
