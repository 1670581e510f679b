// Where the game reads its control file: beside a program unpacked
// anywhere; for an installed one (the installer's marker beside it) in the
// player's folder, copied there whole the first time and never again.
#include "platform/core/os/control_file_place.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/api/start.h"
#include "platform/api/system.h"
#include "platform/core/os/utf8_path.h"
#include "support/files.h"

namespace {

constexpr const char* kInstalledText = "; as installed\n";
constexpr const char* kPlayersText = "; the player's own\n";

struct PlaceCase {
    const char* what;
    bool marked;               // the installer's marker beside the program
    bool systemHasFolder;      // the system names a player's folder
    bool installedFile;        // a control file beside the program
    bool playersFile;          // the player's copy there already
    bool readsPlayers;         // the control file read is the player's folder's
    const char* playersAfter;  // the player's copy afterwards, or nullptr for none
};

TEST(ControlFilePlace, IsBesideTheProgramUnlessInstalledThenThePlayersCopyMadeOnce) {
    const std::vector<PlaceCase> cases = {
        {"unpacked", false, true, true, false, false, nullptr},
        {"unpacked, the player's copy left alone", false, true, true, true, false, kPlayersText},
        {"installed where the game keeps no folder", true, false, true, false, false, nullptr},
        {"installed, first run", true, true, true, false, true, kInstalledText},
        {"installed, the player's copy kept", true, true, true, true, true, kPlayersText},
        {"installed without a file to copy", true, true, false, false, true, nullptr},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string program = platform::NameOf(folder.path() / "Far Haven \u00e9");
        const std::string player = platform::NameOf(folder.path() / "player \u4e2d" / "farhaven");
        std::filesystem::create_directories(platform::PathOf(program));
        if (c.marked)
            folder.Write("Far Haven \u00e9/" + std::string(platform::kInstalledMarker), "");
        if (c.installedFile) folder.Write("Far Haven \u00e9/quorlat.ctl", kInstalledText);
        if (c.playersFile) folder.Write("player \u4e2d/farhaven/quorlat.ctl", kPlayersText);

        const std::string read =
            platform::ControlFolderFor(program, c.systemHasFolder ? player : "");

        EXPECT_EQ(read, c.readsPlayers ? player : program);
        const std::filesystem::path own = platform::PathOf(player) / "quorlat.ctl";
        if (c.playersAfter == nullptr) {
            EXPECT_FALSE(std::filesystem::exists(own));
        } else {
            EXPECT_EQ(ReadFile(own), c.playersAfter);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(own.parent_path()), {}), 1)
                << "nothing beside the copy";
        }
        EXPECT_EQ(ReadFile(platform::PathOf(program) / "quorlat.ctl"),
                  c.installedFile ? kInstalledText : "");
    }
}

// A player's folder that cannot be made (a file stands in its way) is said,
// naming both files, and leaves nothing behind.
TEST(ControlFilePlace, SaysWhyTheCopyCannotBeMade) {
    TempFolder folder;
    folder.Write("game/" + std::string(platform::kInstalledMarker), "");
    folder.Write("game/quorlat.ctl", kInstalledText);
    const std::string blocked = folder.Write("blocked", "a file, not a folder");
    const std::string player = platform::NameOf(platform::PathOf(blocked) / "farhaven");
    try {
        platform::ControlFolderFor(platform::NameOf(folder.path() / "game"), player);
        ADD_FAILURE() << "no error";
    } catch (const platform::BackendError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("cannot copy the control file"), std::string::npos) << message;
        EXPECT_NE(message.find("quorlat.ctl"), std::string::npos) << message;
        EXPECT_NE(message.find(player), std::string::npos) << message;
        EXPECT_EQ(error.exitCode(), platform::kBadFileExitCode);
    }
    EXPECT_EQ(ReadFile(blocked), "a file, not a folder");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

// The system's own folder: none on POSIX systems (the launcher plays from
// the player's folder), %APPDATA%\farhaven on Windows; a test program has
// no marker beside it and reads its own folder's file.
TEST(ControlFilePlace, ThePlayersFolderIsTheGamesOwnInTheSystemsAndATestIsNotInstalled) {
    const std::filesystem::path player = platform::PathOf(platform::PlayerFolder());
    if (!player.empty()) {
        EXPECT_EQ(player.filename(), "farhaven");
        EXPECT_TRUE(std::filesystem::is_directory(player.parent_path())) << player;
    }
    EXPECT_EQ(platform::ControlFileFolder(FARHAVEN_TEST_DIR), FARHAVEN_TEST_DIR);
}

}  // namespace
