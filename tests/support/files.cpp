#include "support/files.h"

#include <SDL2/SDL_image.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/core/display/sdl_handles.h"

// A new name until one is free: creating the folder is what claims it, as
// mkdtemp does, on every system.
TempFolder::TempFolder() {
    std::random_device seed;
    std::mt19937_64 names(seed());
    for (int tries = 0; tries < 100; ++tries) {
        std::filesystem::path candidate = std::filesystem::temp_directory_path() /
                                          ("farhaven-" + std::to_string(names() % 1000000000));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, std::string_view bytes) const {
    std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    return file.string();
}

std::string TempFolder::Write(const std::string& name,
                              const std::vector<std::uint8_t>& bytes) const {
    return Write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

int CountLines(const std::string& text, const std::string& line) {
    auto lines = Lines(text);
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

Picture ReadPicture(const std::filesystem::path& file) {
    Picture picture;
    platform::SdlSurfacePtr loaded(IMG_Load(file.string().c_str()));
    if (loaded) loaded.reset(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!loaded) {
        picture.error = IMG_GetError();
        return picture;
    }
    picture.width = loaded->w;
    picture.height = loaded->h;
    for (int y = 0; y < loaded->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(loaded->pixels) + y * loaded->pitch);
        for (int x = 0; x < loaded->w; ++x) picture.argb.push_back(row[x]);
    }
    return picture;
}
