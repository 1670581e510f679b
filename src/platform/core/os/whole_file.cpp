#include "platform/core/os/whole_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/api/start.h"
#include "platform/core/os/output_file.h"
#include "platform/core/os/this_program.h"
#include "platform/core/os/utf8_path.h"

namespace platform {
namespace {

// Writes the bytes straight into the file, synced on closing; false when
// they cannot be.
bool WriteDirectly(const std::string& path, const std::string& what, std::string_view bytes) {
    try {
        OutputFile file(path, what);
        return file.Write(bytes) && file.Close();
    } catch (const BackendError& cannotOpen) {
        std::fprintf(stderr, "farhaven: %s\n", cannotOpen.what());
        return false;
    }
}

}  // namespace

bool ReplaceWhole(const std::string& path, const std::string& what, std::string_view bytes) {
    // A link is followed, so that the new file replaces what it points to.
    std::error_code noTarget;
    std::filesystem::path target = std::filesystem::canonical(PathOf(path), noTarget);
    if (noTarget) {
        target = PathOf(path);
    } else if (!std::filesystem::is_regular_file(target)) {
        return WriteDirectly(path, what, bytes);
    }
    std::string beside = NameOf(target) + ".part-" + std::to_string(ProcessId());
    bool saved = WriteDirectly(beside, what + " for " + path, bytes);
    std::error_code renaming;
    if (saved) std::filesystem::rename(PathOf(beside), target, renaming);
    if (renaming) {
        std::fprintf(stderr, "farhaven: %s: cannot write the %s: %s\n", path.c_str(), what.c_str(),
                     renaming.message().c_str());
        saved = false;
    }
    if (!saved) std::filesystem::remove(PathOf(beside), noTarget);
    return saved;
}

}  // namespace platform
