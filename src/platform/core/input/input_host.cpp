#include "platform/core/input/input_host.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

InputHost* installed = nullptr;

}  // namespace

InputHost& TheInputHost() {
    if (installed == nullptr) {
        std::fputs("farhaven: the keyboard was used before the platform was installed\n", stderr);
        std::abort();
    }
    return *installed;
}

void SetInputHost(InputHost* host) {
    installed = host;
}

}  // namespace platform
