// The control file beside the program and the settings it yields.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/settings.h"
#include "support/files.h"

namespace {

class ControlFileTest : public ::testing::Test {
protected:
    ControlFileTest() {
        ResetConfiguration();
        ProgramDirectory = folder.path().string();
    }
    ~ControlFileTest() override { ResetConfiguration(); }
    void Load(const std::string& text) {
        ControlValues.clear();  // a second reading of one process keeps the first values
        folder.Write("quorlat.ctl", text);
        ReadControlFile();
        ApplyControlValues();
    }
    TempFolder folder;
};

TEST_F(ControlFileTest, KeysCountInTheirOwnSectionWhateverTheCaseBlanksAndQuotes) {
    Load(
        "; screen\r\n  [ video ]  \r\n  hres  =  1280  \r\n;VRES=1\r\nVres=\"720\"\r\n"
        "HRES=1024\r\n[GAMEPLAY]\r\nVRES=768\r\n[Resources]\r\nResourcePath = \"D:\\data\"\r\n"
        "[RESOURCES]\r\nRESOURCEPATH=later\r\n");
    EXPECT_EQ(std::tuple(Settings::hres, Settings::vres), std::tuple(1280, 720));  // first wins
    EXPECT_EQ(ControlValues["RESOURCEPATH"], "D:\\data");
    Load("[RESOURCES]\nRESOURCEPATH=" + std::string(300, 'x') + "\n");
    EXPECT_EQ(ControlValues["RESOURCEPATH"], std::string(254, 'x'));
}

TEST_F(ControlFileTest, ValuesConvertByTheDecimalRuleAndEmptyIsZero) {
    Load(
        "[GAMEPLAY]\nSHIELDLIFE=abc\nDAMAGEPLAYER=15x\nSHIELDCOUNT=\nDAMAGEENEMY= \t-5\n"
        "MAXBULLETSENEMY=4294967297\nMAXBULLETSPLAYER=+42\n[VIDEO]\nHRES=2147483648\nVRES=- 5\n");
    EXPECT_EQ(std::tuple(Settings::shieldLife, Settings::damagePlayer, Settings::shieldCount,
                         Settings::damageEnemy, Settings::maxBulletsEnemy,
                         Settings::maxBulletsPlayer, Settings::hres, Settings::vres),
              std::tuple(0, 15, 0, -5, 1, 42, -2147483647 - 1, 0));
}

TEST(ProgramDirectoryTest, IsThePathUpToItsLastSeparatorOfEitherKind) {
    // The running test has a real path, which wins over the argument.
    EXPECT_TRUE(std::filesystem::equivalent(FindProgramDirectory("ignored"), FARHAVEN_TEST_DIR))
        << FindProgramDirectory("ignored");
    const std::pair<const char*, const char*> paths[] = {
        {"C:\\mixed/dir\\game", "C:\\mixed/dir"}, {"/farhaven", "/"}, {"farhaven", "."}};
    for (auto [path, directory] : paths) EXPECT_EQ(DirectoryOf(path), directory);
}

}  // namespace
