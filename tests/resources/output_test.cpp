// What the build leaves in the game folder: the same bytes every run, the
// files the game opens, and a control file the game can read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "canvas.h"
#include "decoded_files.h"

namespace resources_test {
namespace {

TEST(Output, MakesExactlyTheFilesTheGameOpens) {
    std::set<std::string> paths;
    for (const resgen::GameFile& file : GeneratedFiles()) {
        paths.insert(file.path);
    }
    const std::set<std::string> expected{"quorlat.ctl",           "resources/invader1.tga",
                                         "resources/stars2.tga",  "resources/bship.tga",
                                         "resources/bullets.tga", "resources/shield2.tga",
                                         "resources/boom.tga",    "resources/impskies.wav",
                                         "resources/cannon2.wav", "resources/electri2.wav"};
    EXPECT_EQ(paths, expected);
}

TEST(Output, IsTheSameOnEveryRun) {
    const std::vector<resgen::GameFile> again = resgen::MakeGameFiles();
    ASSERT_EQ(again.size(), GeneratedFiles().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_TRUE(again[i].bytes == GeneratedFiles()[i].bytes)
            << again[i].path << " changed between runs";
    }
}

TEST(Output, GameFolderHoldsWhatTheGeneratorMakesNow) {
    // The build reruns the generator whenever it changes; stale files in
    // the game folder would mean that hookup broke.
    const std::filesystem::path folder(FARHAVEN_GAME_DIR);
    for (const resgen::GameFile& file : GeneratedFiles()) {
        std::ifstream in(folder / file.path, std::ios::binary);
        ASSERT_TRUE(in) << (folder / file.path) << " was not written by the build";
        const std::vector<std::uint8_t> onDisk((std::istreambuf_iterator<char>(in)),
                                               std::istreambuf_iterator<char>());
        EXPECT_TRUE(onDisk == file.bytes) << file.path << " is out of date";
    }
}

// section -> key -> value, and the number of times each key appears.
struct Profile {
    std::map<std::string, std::map<std::string, std::string>> values;
    std::map<std::string, int> counts;
    int commentLines = 0;
    std::vector<std::string> strayLines;
};

Profile ParseProfile(const std::string& text) {
    Profile profile;
    std::istringstream lines(text);
    std::string line;
    std::string section;
    while (std::getline(lines, line)) {
        if (line.empty()) {
            continue;
        }
        if (line.front() == ';') {
            ++profile.commentLines;
        } else if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
        } else if (const auto equals = line.find('='); equals != std::string::npos) {
            const std::string key = line.substr(0, equals);
            profile.values[section][key] = line.substr(equals + 1);
            ++profile.counts[key];
        } else {
            profile.strayLines.push_back(line);
        }
    }
    return profile;
}

TEST(Output, ControlFileGivesEveryKeyItsDefault) {
    const std::vector<std::uint8_t>& bytes = FileBytes("quorlat.ctl");
    const Profile profile = ParseProfile(std::string(bytes.begin(), bytes.end()));
    const std::map<std::string, std::map<std::string, std::string>> defaults{
        {"VIDEO", {{"HRES", "800"}, {"VRES", "600"}}},
        {"INPUT", {{"GAMEPAD", "0"}}},
        {"RESOURCES", {{"RESOURCEPATH", "RESOURCES"}}},
        {"GAMEPLAY",
         {{"GODMODE", "0"},
          {"DAMAGEPLAYER", "10"},
          {"DAMAGEENEMY", "10"},
          {"DAMAGEROAMIE", "20"},
          {"SHIELDLIFE", "3000"},
          {"SHIELDCOUNT", "3"},
          {"MAXBULLETSPLAYER", "1"},
          {"MAXBULLETSENEMY", "3"},
          {"POWERUPHEALTH", "30"},
          {"POWERUPSHIELD", "1"},
          {"POWERUPRAPIDFIRE", "3"}}},
        {"DEBUG", {{"FILEOUTPUT", "0"}}}};
    EXPECT_EQ(profile.values, defaults);
    EXPECT_EQ(profile.counts.size(), 16U);
    for (const auto& [key, count] : profile.counts) {
        EXPECT_EQ(count, 1) << key;
    }
    EXPECT_TRUE(profile.strayLines.empty()) << profile.strayLines.front();
    EXPECT_GE(profile.commentLines, 12) << "the keys need explaining";
}

TEST(Baking, SolidPixelsNeverBecomeTheKeyNorDirt) {
    // A nearly black figure must still show, and brightly at its edge.
    resgen::Canvas canvas(9, 9);
    canvas.Fill(resgen::Circle({4.5F, 4.5F}, 3.5F), resgen::Color{0.004F, 0.0F, 0.002F});
    resgen::Image16 sheet(9, 9);
    resgen::Bake(canvas, sheet, 0, 0, resgen::Keying::Figure);
    EXPECT_NE(sheet.At(4, 4), resgen::kTransparent);
    EXPECT_NE(sheet.At(1, 4), resgen::kTransparent);
    EXPECT_GE(Brightest(sheet.At(1, 4)), 8);
    EXPECT_EQ(sheet.At(0, 0), resgen::kTransparent);
}

TEST(Baking, HalfCoveredPixelsAreKeyedOrSolidNeverFaint) {
    resgen::Canvas canvas(8, 1);
    for (int x = 0; x < 8; ++x) {
        canvas.Blend(x, 0, resgen::Color{1.0F, 0.5F, 0.0F}, static_cast<float>(x) / 7.0F);
    }
    resgen::Image16 sheet(8, 1);
    resgen::Bake(canvas, sheet, 0, 0, resgen::Keying::Figure);
    for (int x = 0; x < 8; ++x) {
        const std::uint16_t pixel = sheet.At(x, 0);
        if (x <= 3) {
            EXPECT_EQ(pixel, resgen::kTransparent) << x;
        } else {
            EXPECT_EQ(Red(pixel), 31)
                << "a half-covered pixel keeps its full colour, not a dimmed one";
        }
    }
}

}  // namespace
}  // namespace resources_test
