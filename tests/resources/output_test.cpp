// What the build leaves in the game folder, and the control file as the
// game reads it at start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "config/settings.h"
#include "generated_files.h"
#include "support/files.h"
#include "support/headless_platform.h"

namespace {

TEST(Output, GameFolderHoldsExactlyWhatTheGeneratorMakesNow) {
    // The build reruns the generator whenever it changes; a stale or stray
    // file here means that hookup broke.
    const std::filesystem::path folder(FARHAVEN_GAME_DIR);
    std::set<std::string> made;
    for (const resgen::GameFile& file : GeneratedFiles()) {
        made.insert(file.path);
        EXPECT_TRUE(ReadFile(folder / file.path) ==
                    std::string(file.bytes.begin(), file.bytes.end()))
            << file.path << " is missing or out of date";
    }
    std::set<std::string> found{"quorlat.ctl"};
    for (const auto& entry : std::filesystem::directory_iterator(folder / "resources")) {
        found.insert("resources/" + entry.path().filename().string());
    }
    EXPECT_EQ(found, made);
}

class ControlFile : public HeadlessTest {
protected:
    ~ControlFile() override { ResetConfiguration(); }

    std::map<std::string, std::string> ReadFrom(const TempFolder& folder) {
        ResetConfiguration();
        ProgramDirectory = folder.path().string();
        ReadControlFile();
        return ControlValues;
    }
};

TEST_F(ControlFile, WritesEveryKeyAtItsDefaultUnderAComment) {
    const TempFolder folder;
    const std::map<std::string, std::string> defaults = ReadFrom(folder);  // no file yet
    const std::vector<std::uint8_t>& bytes = GeneratedFile("quorlat.ctl");
    const std::string text(bytes.begin(), bytes.end());
    folder.Write("quorlat.ctl", text);
    EXPECT_EQ(ReadFrom(folder), defaults);

    // Every value marked: a key the game falls back on, missing or in the
    // wrong section, shows unmarked. Each key, or run of keys, follows a
    // comment that explains it.
    std::istringstream lines(text);
    std::string line;
    std::string marked;
    bool explained = false;
    while (std::getline(lines, line)) {
        if (line.starts_with(';')) {
            explained = true;
        } else if (const auto equals = line.find('='); equals != std::string::npos) {
            EXPECT_TRUE(explained) << line << " has no comment";
            line = line.substr(0, equals + 1) + "7" + line.substr(equals + 1);
        } else {
            EXPECT_TRUE(line.empty() || line.starts_with('[')) << "stray line " << line;
            explained = false;
        }
        marked += line + "\n";
    }
    folder.Write("quorlat.ctl", marked);
    const std::map<std::string, std::string> read = ReadFrom(folder);
    for (const auto& [key, value] : defaults) {
        EXPECT_EQ(read.at(key), "7" + value) << key;
    }
}

}  // namespace
