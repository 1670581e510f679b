// Everything the generator makes, as file contents: the game folder's
// control file and the resources folder's pictures and sounds.
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

}  // namespace resgen
