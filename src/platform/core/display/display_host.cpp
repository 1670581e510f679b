#include "platform/core/display/display_host.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

DisplayHost* installed = nullptr;

}  // namespace

DisplayHost* CurrentDisplayHost() {
    return installed;
}

DisplayHost& TheDisplayHost() {
    if (installed == nullptr) {
        std::fputs("farhaven: the display was used before the platform was installed\n", stderr);
        std::abort();
    }
    return *installed;
}

void SetDisplayHost(DisplayHost* host) {
    installed = host;
}

HRESULT InjectedDisplayFailure(std::string_view step) {
    return installed != nullptr ? installed->InjectedFailure(step) : S_OK;
}

}  // namespace platform
