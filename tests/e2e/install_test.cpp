// The installed game: `cmake --install` into a prefix of its own, played
// through its launcher from another folder, with the player's own folder
// under XDG_DATA_HOME.
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_run.h"

namespace {

namespace fs = std::filesystem;

int Shell(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Width and height of a picture file, or 0 x 0 when it cannot be read.
std::pair<int, int> PictureSize(const fs::path& file) {
    SDL_Surface* picture = IMG_Load(file.c_str());
    if (picture == nullptr) return {0, 0};
    std::pair<int, int> size{picture->w, picture->h};
    SDL_FreeSurface(picture);
    return size;
}

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root_ = fs::temp_directory_path() / ("farhaven-install-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "player");
        // One component, so that the build's install_manifest.txt (the
        // player's own install, to uninstall by) is left as it is.
        fs::path build = GameDirectory().parent_path();
        installExit_ = Shell("cmake --install " + ShellQuote(build.string()) + " --prefix " +
                             ShellQuote(Prefix().string()) + " --component farhaven > " +
                             ShellQuote((root_ / "install.txt").string()) + " 2>&1");
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    void SetUp() override { ASSERT_EQ(installExit_, 0) << ReadFile(root_ / "install.txt"); }

    static fs::path Prefix() { return root_ / "prefix"; }
    static fs::path PlayersFolder() { return root_ / "data" / "farhaven"; }

    // The launcher, run from the player's current folder; --log goes to
    // stderr.txt when it says "-".
    static GameResult Play(const std::vector<std::string>& arguments) {
        std::string command = "cd " + ShellQuote((root_ / "player").string()) +
                              " && XDG_DATA_HOME=" + ShellQuote((root_ / "data").string()) + " " +
                              ShellQuote((Prefix() / "bin" / "farhaven").string());
        for (const std::string& argument : arguments)
            command.append(" ").append(ShellQuote(argument));
        command += " 2> stderr.txt < /dev/null";
        GameResult result;
        result.exitCode = Shell(command);
        result.log = ReadFile(root_ / "player" / "game.log");
        result.errors = ReadFile(root_ / "player" / "stderr.txt");
        return result;
    }

    static fs::path root_;
    static int installExit_;
};

fs::path Installed::root_;
int Installed::installExit_ = -1;

TEST_F(Installed, HoldsTheProgramWithItsFilesALauncherAMenuEntryAndIcons) {
    const fs::path share = Prefix() / "share";
    EXPECT_TRUE(ReadFile(Prefix() / "bin" / "farhaven").starts_with("#!/bin/sh\n"));
    EXPECT_NE(fs::status(Prefix() / "bin" / "farhaven").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    EXPECT_NE(fs::status(share / "farhaven" / "farhaven").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    EXPECT_EQ(ReadFile(share / "farhaven" / "quorlat.ctl"),
              ReadFile(GameDirectory() / "quorlat.ctl"));
    for (const char* name :
         {"invader1.tga", "stars2.tga", "bship.tga", "bullets.tga", "shield2.tga", "boom.tga",
          "impskies.wav", "cannon2.wav", "electri2.wav"}) {
        EXPECT_TRUE(fs::is_regular_file(share / "farhaven" / "resources" / name)) << name;
    }
    std::string entry = ReadFile(share / "applications" / "farhaven.desktop");
    EXPECT_NE(entry.find("\nExec=\"" + (Prefix() / "bin" / "farhaven").string() + "\"\n"),
              std::string::npos)
        << entry;
    EXPECT_NE(entry.find("\nIcon=farhaven\n"), std::string::npos) << entry;
    EXPECT_EQ(PictureSize(share / "icons/hicolor/64x64/apps/farhaven.png"), std::make_pair(64, 64));
    EXPECT_EQ(PictureSize(share / "icons/hicolor/128x128/apps/farhaven.png"),
              std::make_pair(128, 128));
}

TEST_F(Installed, MenuEntryIsValid) {
    if (Shell("command -v desktop-file-validate > /dev/null") != 0) {
        GTEST_SKIP() << "desktop-file-validate (Debian package desktop-file-utils) is needed";
    }
    fs::path entry = Prefix() / "share" / "applications" / "farhaven.desktop";
    std::string report = (root_ / "validate.txt").string();
    EXPECT_EQ(Shell("desktop-file-validate " + ShellQuote(entry.string()) + " > " +
                    ShellQuote(report) + " 2>&1"),
              0);
    EXPECT_EQ(ReadFile(report), "") << "warnings or hints";
}

TEST_F(Installed, PlaysFromThePlayersFolderWithFilesNamedWhereThePlayerIs) {
    // The first run makes the player's folder with a control file to edit.
    GameResult first = Play({"--headless", "--frames", "3", "--log", "game.log", "--screenshot",
                             "shot.png", "--record=played.keys", "--audio-out", "sound.wav"});
    ASSERT_EQ(first.exitCode, 0) << first.errors;
    EXPECT_NE(first.log.find("text = SHIELDS = 3"), std::string::npos);
    EXPECT_EQ(PictureSize(root_ / "player" / "shot.png"), std::make_pair(800, 600));
    EXPECT_TRUE(ReadFile(root_ / "player" / "played.keys").starts_with("# Far Haven key script"));
    EXPECT_TRUE(ReadFile(root_ / "player" / "sound.wav").starts_with("RIFF"));
    const fs::path control = PlayersFolder() / "quorlat.ctl";
    ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(control))) << "not a copy of its own";
    EXPECT_EQ(ReadFile(control), ReadFile(Prefix() / "share/farhaven/quorlat.ctl"));

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
}

}  // namespace
