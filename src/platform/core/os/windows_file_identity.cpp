// Files by their names on Windows: the volume's serial number and the
// file's index, which one file has however it is named (in another case,
// through .\ or ..\, by its short name or a link), and its attributes.
#include "platform/core/os/file_identity.h"

#include <windows.h>

#include <filesystem>

#include "platform/core/os/windows_wide.h"

namespace platform {
namespace {

// The null device has no index: it is known by its name, whatever its case.
constexpr std::uint64_t kNullDevice = ~std::uint64_t{0};

bool IsNullName(const std::string& path) {
    return CompareStringOrdinal(Widen(path).c_str(), -1, L"NUL", -1, TRUE) == CSTR_EQUAL ||
           CompareStringOrdinal(Widen(path).c_str(), -1, L"\\\\.\\NUL", -1, TRUE) == CSTR_EQUAL;
}

std::optional<FileIdentity> IdentityOfHandle(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) return std::nullopt;
    return FileIdentity{
        true,
        information.dwVolumeSerialNumber,
        (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow,
        {}};
}

// Opened for no access at all, which any file allows; folders too.
std::optional<FileIdentity> IdentityOfName(const std::string& path) {
    HANDLE file =
        CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<FileIdentity> identity = IdentityOfHandle(file);
    CloseHandle(file);
    return identity;
}

// Windows' file names ignore case, so two names of a file not there yet
// are one place in any case.
std::string CaselessPlaceOf(const std::string& path) {
    std::wstring place = Widen(PlaceOf(path));
    CharUpperBuffW(place.data(), static_cast<DWORD>(place.size()));
    return Narrow(place);
}

DWORD AttributesOf(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str());
}

}  // namespace

FileIdentity IdentityOf(const std::string& path, StandardStream standard) {
    if (IsNullName(path)) return {true, kNullDevice, kNullDevice, {}};
    std::optional<FileIdentity> identity;
    if (path == "-" && standard != StandardStream::None) {
        identity = IdentityOfHandle(GetStdHandle(
            standard == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE));
    } else {
        identity = IdentityOfName(path);
    }
    return identity ? *identity : FileIdentity{false, 0, 0, CaselessPlaceOf(path)};
}

bool IsNullDevice(const FileIdentity& identity) {
    return identity.exists && identity.volume == kNullDevice && identity.index == kNullDevice;
}

std::optional<std::string> WhyNotWritable(const std::string& path, bool besideToo) {
    DWORD attributes = AttributesOf(path);
    bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return "Is a directory";
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return SystemMessage(ERROR_ACCESS_DENIED);
    }
    if (exists && !besideToo) return std::nullopt;
    std::filesystem::path named(Widen(path));
    std::wstring folder = named.has_parent_path() ? named.parent_path().wstring() : L".";
    DWORD folderAttributes = GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES) return SystemMessage(GetLastError());
    if ((folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return "Not a directory";
    return std::nullopt;
}

}  // namespace platform
