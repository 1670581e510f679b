// Files for tests: a temporary folder of their own, whole files read and
// written, and PNG pictures read back as pixels.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything
// in it when the test is done.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes the file (making its folders) and returns its path.
    std::string Write(const std::string& name, std::string_view bytes) const;
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

private:
    std::filesystem::path path_;
};

// A whole file's bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

// A text (a debug log, say) split into its lines, without their ends.
std::vector<std::string> Lines(const std::string& text);
// How many lines of the text are exactly line.
int CountLines(const std::string& text, const std::string& line);

// A picture file's pixels as 0xAARRGGBB (alpha 0xFF where the file has
// none), rows top first; empty (0 × 0) when it cannot be read, with
// SDL2_image's reason in error.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
    std::string error;

    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t Rgb(int x, int y) const { return At(x, y) & 0xFFFFFF; }
};
Picture ReadPicture(const std::filesystem::path& file);
