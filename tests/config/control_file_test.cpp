#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "config/profile_file.h"
#include "config/settings.h"

namespace {

// A program directory of its own for each test, with or without a control file.
class ControlFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetConfiguration();
        directory_ = std::filesystem::temp_directory_path() /
                     ("farhaven-config-" + std::to_string(::getpid()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(directory_);
        ProgramDirectory = directory_.string();
    }
    void TearDown() override {
        std::filesystem::remove_all(directory_);
        ResetConfiguration();
    }

    void WriteControlFile(const std::string& text) {
        std::ofstream(directory_ / "quorlat.ctl", std::ios::binary) << text;
    }
    void Load() {
        ReadControlFile();
        ApplyControlValues();
    }

    std::filesystem::path directory_;
};

TEST_F(ControlFileTest, WithoutAFileEveryKeyHasItsDefault) {
    Load();
    ASSERT_EQ(ControlValues.size(), 16u);
    EXPECT_EQ(ControlValues["RESOURCEPATH"], "RESOURCES");
    EXPECT_EQ(ControlValues["POWERUPRAPIDFIRE"], "3");
    EXPECT_EQ(ControlValues["FILEOUTPUT"], "0");
    EXPECT_EQ(Settings::hres, 800);
    EXPECT_EQ(Settings::vres, 600);
    EXPECT_EQ(Settings::maxBulletsPlayer, 1);
    EXPECT_EQ(Settings::maxBulletsEnemy, 3);
    EXPECT_EQ(Settings::shieldCount, 3);
    EXPECT_EQ(Settings::shieldLife, 3000);
    EXPECT_EQ(Settings::damagePlayer, 10);
    EXPECT_EQ(Settings::damageEnemy, 10);
    EXPECT_EQ(Settings::damageRoamie, 20);
}

TEST_F(ControlFileTest, AKeyCountsOnlyInItsOwnSection) {
    WriteControlFile("[VIDEO]\nHRES=1024\n[GAMEPLAY]\nVRES=768\n");
    Load();
    EXPECT_EQ(Settings::hres, 1024);
    EXPECT_EQ(Settings::vres, 600);
    EXPECT_EQ(Settings::shieldLife, 3000);
}

TEST_F(ControlFileTest, ValuesConvertByTheDecimalRule) {
    WriteControlFile(
        "[GAMEPLAY]\nSHIELDLIFE=abc\nDAMAGEPLAYER=15x\nSHIELDCOUNT=\nDAMAGEENEMY=-5\n"
        "MAXBULLETSENEMY=4294967297\n");
    Load();
    EXPECT_EQ(Settings::shieldLife, 0);
    EXPECT_EQ(Settings::damagePlayer, 15);
    EXPECT_EQ(Settings::shieldCount, 0);  // present but empty: not the default
    EXPECT_EQ(ControlValues["SHIELDCOUNT"], "");
    EXPECT_EQ(Settings::damageEnemy, -5);
    EXPECT_EQ(Settings::maxBulletsEnemy, 1);  // 2^32 + 1 wraps to 1
}

TEST_F(ControlFileTest, NamesIgnoreCaseAndBlanksQuotesAndCommentsAreHandled) {
    WriteControlFile(
        "; screen\r\n  [ video ]  \r\n  hres  =  1280  \r\n;VRES=1\r\nVres=\"720\"\r\n"
        "[Resources]\r\nResourcePath = \"D:\\data\"\r\n");
    Load();
    EXPECT_EQ(Settings::hres, 1280);
    EXPECT_EQ(Settings::vres, 720);
    EXPECT_EQ(ControlValues["RESOURCEPATH"], "D:\\data");
}

TEST_F(ControlFileTest, ALongValueIsCutTo254Characters) {
    WriteControlFile("[RESOURCES]\nRESOURCEPATH=" + std::string(300, 'x') + "\n");
    Load();
    EXPECT_EQ(ControlValues["RESOURCEPATH"], std::string(254, 'x'));
}

TEST_F(ControlFileTest, AFileThatIsNotTextGivesDefaults) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) & 0xFF));
    WriteControlFile(binary);
    Load();
    EXPECT_EQ(ControlValues.size(), 16u);
    EXPECT_EQ(Settings::hres, 800);
}

TEST_F(ControlFileTest, TheFirstLineForAKeyWins) {
    WriteControlFile("[VIDEO]\nHRES=640\nHRES=1024\n[VIDEO]\nHRES=320\n");
    Load();
    EXPECT_EQ(Settings::hres, 640);
}

TEST(DecimalValue, FollowsTheRuleOfTheControlFile) {
    EXPECT_EQ(DecimalValue("1024"), 1024);
    EXPECT_EQ(DecimalValue(" \t+42"), 42);
    EXPECT_EQ(DecimalValue("-0"), 0);
    EXPECT_EQ(DecimalValue("- 5"), 0);
    EXPECT_EQ(DecimalValue("2147483648"), -2147483647 - 1);
    EXPECT_EQ(DecimalValue("99999999999"), static_cast<std::int32_t>(99999999999ULL & 0xFFFFFFFF));
}

TEST(ProgramDirectoryTest, IsTakenFromThePathUpToItsLastSeparator) {
    // The running test has a real path, which wins over the argument.
    EXPECT_EQ(FindProgramDirectory("ignored"),
              std::filesystem::read_symlink("/proc/self/exe").parent_path().string());
}

TEST(ProgramDirectoryTest, FromAnArgumentEitherSeparatorCounts) {
    EXPECT_EQ(DirectoryOf("D:\\Games\\Shooter\\game.exe"), "D:\\Games\\Shooter");
    EXPECT_EQ(DirectoryOf("games/far/farhaven"), "games/far");
    EXPECT_EQ(DirectoryOf("C:\\mixed/dir\\game"), "C:\\mixed/dir");
    EXPECT_EQ(DirectoryOf("/farhaven"), "/");
    EXPECT_EQ(DirectoryOf("farhaven"), ".");
}

TEST(ProfileFileTest, LookupGivesTheDefaultForMissingSectionOrKey) {
    ProfileFile profile = ProfileFile::Parse("[A]\nx=1\n[B]\n");
    EXPECT_EQ(profile.Lookup("A", "x", "d"), "1");
    EXPECT_EQ(profile.Lookup("A", "y", "d"), "d");
    EXPECT_EQ(profile.Lookup("C", "x", "d"), "d");
    EXPECT_EQ(profile.Lookup("B", "x", "d"), "d");
}

}  // namespace
