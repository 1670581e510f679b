// The terminal on POSIX systems: a program always has its standard streams.
#include <cstdio>

#include "platform/api/start.h"

namespace platform {

void ConnectTerminal() {}

void TellPlayer(const std::string& message) {
    std::fprintf(stderr, "farhaven: %s\n", message.c_str());
}

}  // namespace platform
