// Windows: the player's roaming application data (%APPDATA%), as the
// system names it for this player, whatever the environment says.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include "platform/core/os/control_file_place.h"
#include "platform/core/os/windows_wide.h"

namespace platform {

std::string PlayerFolder() {
    PWSTR folder = nullptr;
    HRESULT found =
        SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder);
    std::string name = SUCCEEDED(found) ? Narrow(folder) + "\\farhaven" : std::string();
    CoTaskMemFree(folder);  // given even when the call fails
    return name;
}

}  // namespace platform
