// make_resources GAME_FOLDER [ICON_FOLDER [ICO_FILE]]: writes the game's
// control file into the folder and its pictures and sounds into
// GAME_FOLDER/resources; the desktop icons into ICON_FOLDER/hicolor when it
// is given, and the Windows program's icon into ICO_FILE.
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "resources.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: make_resources GAME_FOLDER [ICON_FOLDER [ICO_FILE]]\n");
        return 2;
    }
    try {
        const std::filesystem::path folder(argv[1]);
        for (const resgen::GameFile& file : resgen::MakeGameFiles()) {
            WriteFile(folder / file.path, file.bytes);
        }
        if (argc >= 3) {
            for (const resgen::GameFile& file : resgen::MakeIconFiles()) {
                WriteFile(std::filesystem::path(argv[2]) / file.path, file.bytes);
            }
        }
        if (argc == 4) WriteFile(argv[3], resgen::MakeWindowsIcon().bytes);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_resources: %s\n", error.what());
        return 1;
    }
    return 0;
}
