// Files by their names on POSIX systems: device and inode, access(2).
#include "platform/core/os/file_identity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace platform {
namespace {

FileIdentity Existing(const struct stat& status) {
    return {true,
            static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            {}};
}

}  // namespace

FileIdentity IdentityOf(const std::string& path, StandardStream standard) {
    struct stat status {};
    if (path == "-" && standard != StandardStream::None) {
        int stream = standard == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
        if (::fstat(stream, &status) == 0) return Existing(status);
    } else if (::stat(path.c_str(), &status) == 0) {
        return Existing(status);
    }
    return {false, 0, 0, PlaceOf(path)};
}

bool IsNullDevice(const FileIdentity& identity) {
    struct stat null {};
    return identity.exists && ::stat("/dev/null", &null) == 0 && Existing(null) == identity;
}

std::optional<std::string> WhyNotWritable(const std::string& path, bool besideToo) {
    struct stat status {};
    bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode)) return std::strerror(EISDIR);
    if (exists && ::access(path.c_str(), W_OK) != 0) return std::strerror(errno);
    if (exists && !besideToo) return std::nullopt;
    std::filesystem::path named(path);
    std::string folder = named.has_parent_path() ? named.parent_path().string() : ".";
    if (::stat(folder.c_str(), &status) != 0) return std::strerror(errno);
    if (!S_ISDIR(status.st_mode)) return std::strerror(ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
    return std::nullopt;
}

}  // namespace platform
