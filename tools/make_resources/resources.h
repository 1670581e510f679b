// Everything the generator makes, as file contents: the game folder's
// control file and the resources folder's pictures and sounds, and the
// icons an install puts in the desktop's icon theme.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resgen {

struct GameFile {
    std::string path;  // relative to the game folder, '/' separated
    std::vector<std::uint8_t> bytes;
};

std::vector<GameFile> MakeGameFiles();
// The desktop's icons, relative to an icon theme folder ("hicolor/...").
std::vector<GameFile> MakeIconFiles();
// The Windows program's icon, an .ico file (its path is the file's name).
GameFile MakeWindowsIcon();

}  // namespace resgen
