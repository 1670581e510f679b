// The control file beside the program and the settings it yields.
#include <gtest/gtest.h>

#include <string>

#include "config/key_bindings.h"
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

// [KEYS]: an action's keys by name, any case, separated by commas; an
// action left out keeps its own key, which no other may then take. What is
// wrong names the line, and binds nothing.
TEST(KeyBindings, BindActionsToNamedKeysOrSayWhatIsWrongAndWhere) {
    auto read = [](const std::string& section) {
        return ReadKeyBindings(ProfileFile::Parse("[VIDEO]\n[KEYS]\n" + section).Section("keys"),
                               "q.ctl");
    };
    auto key = [](const char* name) { return *platform::RealKeyByName(name); };
    namespace sc = platform::scancode;
    KeyBindingsRead good = read("fire = left ctrl, Keypad 0\nShield=Space\nLEFT=\"A\"\n");
    EXPECT_EQ(good.problem, "");
    std::vector<std::pair<std::uint32_t, std::uint8_t>> bound;
    for (const platform::KeyBinding& binding : good.bindings)
        bound.emplace_back(binding.realKey, binding.gameKey);
    EXPECT_EQ(bound,
              (std::vector<std::pair<std::uint32_t, std::uint8_t>>{{key("Left Ctrl"), sc::Space},
                                                                   {key("Keypad 0"), sc::Space},
                                                                   {key("Space"), sc::S},
                                                                   {key("A"), sc::Left}}));
    const std::pair<const char*, const char*> bad[] = {
        {"FIRE=Keypad 44",
         "q.ctl:3: 'Keypad 44' is no key (keys go by names such as Left, "
         "Space, S, Keypad 4, Left Ctrl)"},
        {"JUMP=J",
         "q.ctl:3: 'JUMP' is no action; the actions are LEFT, RIGHT, UP, DOWN, FIRE, "
         "SHIELD, REVIVE, QUIT and PAUSE"},
        {"FIRE=F\nfire=G", "q.ctl:4: FIRE is bound on line 3 already"},
        {"PAUSE=Space,", "q.ctl:3: PAUSE needs the names of its keys, separated by commas"},
        {"FIRE=s",
         "q.ctl:3: 's' is bound to FIRE here and to SHIELD, whose own key it is (bind "
         "SHIELD to another)"},
        {"UP=W\n\nDOWN=w", "q.ctl:5: 'w' is bound to DOWN here and to UP on line 3"},
    };
    for (auto [section, problem] : bad) {
        KeyBindingsRead wrong = read(section);
        EXPECT_EQ(wrong.problem, problem);
        EXPECT_TRUE(wrong.bindings.empty()) << section;
    }
}

}  // namespace
