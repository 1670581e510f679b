#include "platform/core/os/file_identity.h"

#include <filesystem>

#include "platform/core/os/utf8_path.h"

namespace platform {

std::string PlaceOf(const std::string& name) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(PathOf(name), error);
    for (int links = 0; links < 40 && std::filesystem::is_symlink(path, error); ++links) {
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = path.parent_path() / target;  // an absolute target replaces the folder
    }
    std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    return NameOf(error ? path.lexically_normal() : resolved);
}

}  // namespace platform
