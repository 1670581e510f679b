// POSIX systems: the installed game's launcher (tools/install) plays it
// from the player's own folder, so the program's folder is the player's.
#include "platform/core/os/control_file_place.h"

namespace platform {

std::string PlayerFolder() {
    return {};
}

}  // namespace platform
