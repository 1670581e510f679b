// The installed game, both ways a player gets it: `cmake --install` into a
// prefix of its own, and the Debian package unpacked with dpkg-deb; each
// played through its launcher from another folder, with the player's own
// folder under XDG_CONFIG_HOME.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

namespace fs = std::filesystem;

// The package the build made for the tests (tests/CMakeLists.txt).
fs::path PackageFile() {
    for (const auto& entry : fs::directory_iterator(FARHAVEN_TEST_PACKAGE_DIR)) {
        if (entry.path().extension() == ".deb") return entry.path();
    }
    return {};
}

// One field of the package's control file.
std::string ControlField(const std::string& field) {
    std::string value =
        Output("dpkg-deb -f " + ShellQuote(PackageFile().string()) + " " + field).second;
    while (!value.empty() && value.back() == '\n') value.pop_back();
    return value;
}

// GetParam(): true for the package, false for `cmake --install --prefix`.
class Installed : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        root_ = folder_.path();
        fs::create_directories(root_ / "player");
        std::pair<int, std::string> installed;
        if (GetParam()) {
            ASSERT_FALSE(PackageFile().empty()) << "no package in " << FARHAVEN_TEST_PACKAGE_DIR;
            prefix_ = root_ / "tree" / "usr";
            launcher_ = prefix_ / "games" / "farhaven";
            installed_ = "/usr/games/farhaven";
            installed = Output("dpkg-deb -x " + ShellQuote(PackageFile().string()) + " " +
                               ShellQuote((root_ / "tree").string()));
        } else {
            prefix_ = root_ / "prefix";
            launcher_ = installed_ = prefix_ / "bin" / "farhaven";
            // One component, so that the build's install_manifest.txt (the
            // player's own install, to uninstall by) is left as it is.
            fs::path build = GameDirectory().parent_path();
            installed = Output("cmake --install " + ShellQuote(build.string()) + " --prefix " +
                               ShellQuote(prefix_.string()) + " --component farhaven");
        }
        ASSERT_EQ(installed.first, 0) << installed.second;
    }

    fs::path Share() const { return prefix_ / "share"; }
    fs::path PlayersFolder() const { return root_ / "config" / "farhaven"; }

    // The launcher, run from the player's current folder; --log goes to
    // stderr.txt when it says "-".
    GameResult Play(const std::vector<std::string>& arguments) const {
        std::string command = "cd " + ShellQuote((root_ / "player").string()) +
                              " && XDG_DATA_HOME=" + ShellQuote((root_ / "data").string()) +
                              " XDG_CONFIG_HOME=" + ShellQuote((root_ / "config").string()) + " " +
                              ShellQuote(launcher_.string());
        for (const std::string& argument : arguments)
            command.append(" ").append(ShellQuote(argument));
        command += " > stdout.txt 2> stderr.txt < /dev/null";
        return {Output("(" + command + ")").first, ReadFile(root_ / "player" / "game.log"),
                ReadFile(root_ / "player" / "stderr.txt")};
    }

    TempFolder folder_;
    fs::path root_;
    fs::path prefix_;
    fs::path launcher_;   // where the test finds the launcher
    fs::path installed_;  // where the installed game has it
};

INSTANTIATE_TEST_SUITE_P(Ways, Installed, ::testing::Values(false, true),
                         [](const auto& way) { return way.param ? "Package" : "Prefix"; });

TEST_P(Installed, HoldsTheProgramWithItsFilesALauncherAMenuEntryIconsAndAManualPage) {
    EXPECT_TRUE(ReadFile(launcher_).starts_with("#!/bin/sh\n"));
    for (const fs::path& program : {launcher_, prefix_ / "libexec/farhaven/farhaven"}) {
        EXPECT_NE(fs::status(program).permissions() & fs::perms::others_exec, fs::perms::none)
            << program;
    }
    EXPECT_FALSE(fs::exists(Share() / "farhaven" / "farhaven")) << "no program among the data";
    EXPECT_EQ(ReadFile(Share() / "farhaven" / "quorlat.ctl"),
              ReadFile(GameDirectory() / "quorlat.ctl"));
    for (const auto& made : fs::directory_iterator(GameDirectory() / "resources")) {
        fs::path name = made.path().filename();
        EXPECT_EQ(ReadFile(Share() / "farhaven" / "resources" / name), ReadFile(made.path()))
            << name;
    }
    // The software centres' description, named by the id that is the menu
    // entry's file name, and valid to the letter.
    std::vector<fs::path> described;
    for (const auto& file : fs::directory_iterator(Share() / "metainfo"))
        described.push_back(file.path());
    ASSERT_EQ(described.size(), 1u);
    const std::string id = described[0].filename().string();
    ASSERT_TRUE(id.ends_with(".metainfo.xml")) << id;
    const std::string desktopFile = id.substr(0, id.size() - 13) + ".desktop";
    const std::string metainfo = ReadFile(described[0]);
    for (const std::string& element :
         {"<id>" + id.substr(0, id.size() - 13) + "</id>",
          "<launchable type=\"desktop-id\">" + desktopFile + "</launchable>",
          "<binary>" + installed_.filename().string() + "</binary>",
          "<release version=\"" + ControlField("Version") + "\""}) {
        EXPECT_NE(metainfo.find(element), std::string::npos) << element;
    }
    auto [valid, validator] =
        Output("appstreamcli validate --no-net " + ShellQuote(described[0].string()));
    EXPECT_EQ(valid, 0) << validator;
    EXPECT_TRUE(validator.find("E:") == std::string::npos &&
                validator.find("W:") == std::string::npos)
        << validator;

    std::string entry = ReadFile(Share() / "applications" / desktopFile);
    EXPECT_NE(entry.find("\nExec=" + installed_.string() + "\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nIcon=farhaven\n"), std::string::npos) << entry;
    EXPECT_EQ(Output("desktop-file-validate " +
                     ShellQuote((Share() / "applications" / desktopFile).string())),
              std::make_pair(0, std::string()))
        << "the menu entry, with no warnings or hints";
    for (int size : {64, 128}) {
        std::string name = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(ReadPicture(Share() / "icons/hicolor" / name / "apps/farhaven.png").width, size);
    }
    EXPECT_EQ(Output("gzip -dc " + ShellQuote((Share() / "man/man6/farhaven.6.gz").string()) +
                     " | cmp -s - " + ShellQuote(FARHAVEN_SOURCE_DIR "/tools/install/farhaven.6"))
                  .first,
              0)
        << "the manual page";
}

TEST_P(Installed, PlaysFromThePlayersFolderWithFilesNamedWhereThePlayerIs) {
    // The first run makes the player's folder with a control file to edit.
    GameResult first = Play({"--headless", "--frames", "30", "--log", "game.log", "--screenshot",
                             "shot.png", "--record=played.keys", "--audio-out", "sound.wav"});
    ASSERT_EQ(first.exitCode, 0) << first.errors;
    EXPECT_NE(first.log.find("text = SHIELDS = 3"), std::string::npos);
    EXPECT_EQ(ReadPicture(root_ / "player" / "shot.png").width, 800);
    EXPECT_TRUE(ReadFile(root_ / "player" / "played.keys").starts_with("# Far Haven key script"));
    EXPECT_TRUE(ReadFile(root_ / "player" / "sound.wav").starts_with("RIFF"));
    const fs::path control = PlayersFolder() / "quorlat.ctl";
    ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(control))) << "not a copy of its own";
    EXPECT_EQ(ReadFile(control), ReadFile(Share() / "farhaven/quorlat.ctl"));

    // The player's edit takes effect, and later runs leave it alone.
    std::string edited = ReadFile(control);
    std::size_t at = edited.find("SHIELDCOUNT=3");
    ASSERT_NE(at, std::string::npos);
    edited.replace(at, 13, "SHIELDCOUNT=7");
    std::ofstream(control, std::ios::binary | std::ios::trunc) << edited;
    GameResult second = Play({"--headless", "--frames", "3", "--log", "-"});
    ASSERT_EQ(second.exitCode, 0) << second.errors;
    EXPECT_NE(second.errors.find("text = SHIELDS = 7"), std::string::npos)
        << "the debug lines, on standard error: " << second.errors.substr(0, 300);
    EXPECT_EQ(ReadFile(control), edited);
    if (GetParam()) {
        ASSERT_EQ(Play({"--version"}).exitCode, 0);
        EXPECT_EQ(ReadFile(root_ / "player" / "stdout.txt"),
                  "farhaven " + ControlField("Version") + "\n");
    }
}

// The player's folder of earlier versions, under XDG_DATA_HOME: the control
// file edited there moves over once, and stays the player's.
TEST_P(Installed, TakesThePlayersControlFileFromTheOldFolderOnce) {
    const fs::path old = root_ / "data" / "farhaven" / "quorlat.ctl";
    folder_.Write(fs::relative(old, root_).string(), "[GAMEPLAY]\nSHIELDCOUNT=5\n");
    for (int run = 0; run < 2; ++run) {
        GameResult played = Play({"--headless", "--frames", "3", "--log", "game.log"});
        ASSERT_EQ(played.exitCode, 0) << played.errors;
        EXPECT_NE(played.log.find("text = SHIELDS = 5"), std::string::npos) << "run " << run;
    }
    EXPECT_EQ(ReadFile(PlayersFolder() / "quorlat.ctl"), "[GAMEPLAY]\nSHIELDCOUNT=5\n");
    EXPECT_FALSE(fs::exists(old));
}

// A prefix with the characters the menu entry's command must quote or
// escape: the launcher's path is quoted, " ` and $ take a backslash inside
// the quotes, that backslash is doubled again for the string value, and %
// is doubled as it would start a field code. (No prefix of an install can
// hold a backslash itself: CMake takes it for a folder separator.)
TEST(MenuEntry, QuotesAndEscapesAnAwkwardPrefix) {
    TempFolder folder;
    const fs::path prefix = folder.path() / "a b\"c`d$e%g'h";
    fs::path build = GameDirectory().parent_path();
    auto [installed, said] = Output("cmake --install " + ShellQuote(build.string()) + " --prefix " +
                                    ShellQuote(prefix.string()) + " --component farhaven");
    ASSERT_EQ(installed, 0) << said;
    fs::path entry;
    for (const auto& file : fs::directory_iterator(prefix / "share/applications"))
        entry = file.path();
    std::string text = ReadFile(entry);
    const std::string exec =
        "\nExec=\"" + folder.path().string() + "/a b\\\\\"c\\\\`d\\\\$e%%g'h/bin/farhaven\"\n";
    EXPECT_NE(text.find(exec), std::string::npos) << "wanted:" << exec << "in:\n" << text;
    EXPECT_EQ(Output("desktop-file-validate " + ShellQuote(entry.string())),
              std::make_pair(0, std::string()));
}

// What apt reads: the name, the version the program reports, the section and
// the dependencies; and lintian, Debian's own check, finds nothing to say.
TEST(Package, IsNamedAndDescribedForAptAndPassesLintian) {
    fs::path package = PackageFile();
    ASSERT_FALSE(package.empty()) << "no package in " << FARHAVEN_TEST_PACKAGE_DIR;
    std::string version = ControlField("Version");
    EXPECT_EQ(package.filename().string(),
              "farhaven_" + version + "_" + ControlField("Architecture") + ".deb");
    EXPECT_EQ(ControlField("Package"), "farhaven");
    EXPECT_EQ(ControlField("Section"), "games");
    std::string depends = ControlField("Depends");
    for (const char* needed : {"fonts-dejavu-core", "libsdl2-2.0-0 (", "libsdl2-ttf-2.0-0 (",
                               "libsdl2-image-2.0-0 (", "libc6 ("}) {
        EXPECT_NE(depends.find(needed), std::string::npos) << needed << " in " << depends;
    }
    // Its notes too: the hardening tags are only notes, and Debian's
    // hardening flags leave none (the sanitizers' build goes without them).
    auto [lintian, said] =
        Output("lintian --fail-on error,warning --display-info " + ShellQuote(package.string()));
    EXPECT_EQ(lintian, 0) << said;
#ifndef __SANITIZE_ADDRESS__
    EXPECT_EQ(said.find("hardening"), std::string::npos) << said;
#endif
}

}  // namespace
