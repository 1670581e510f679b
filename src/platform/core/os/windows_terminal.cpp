// The terminal on Windows: the game is a windowed program, which Windows
// starts without a console. Started from one, it borrows its parent's for
// --help, --version and its error lines; a stream that was already given
// somewhere (a file, a pipe) stays where it goes.

// clang-format off
// The game's names first: windows.h defines some of them as macros.
#include "platform/api/start.h"
#include <windows.h>
#include <io.h>
// clang-format on

#include <cstdio>

#include "platform/core/os/windows_wide.h"

namespace platform {
namespace {

bool Leads(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The C library's stream and Windows' handle both lead to the console (the
// player's files named "-" are written through the handle).
void Reopen(std::FILE* stream, DWORD which) {
    if (std::freopen("CONOUT$", "w", stream) == nullptr) return;
    SetStdHandle(which, reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))));
}

// A standard stream as the program found it.
struct Stream {
    std::FILE* file;
    DWORD which;
    HANDLE handle;
    bool leads;
};

Stream AsFound(std::FILE* file, DWORD which) {
    return {file, which, GetStdHandle(which), Leads(which)};
}

// A stream given somewhere stays there; one that led nowhere goes to the
// console.
void Connect(const Stream& stream) {
    if (stream.leads) {
        SetStdHandle(stream.which, stream.handle);
    } else {
        Reopen(stream.file, stream.which);
    }
}

}  // namespace

// Attached to the console it was started from even when both streams go
// elsewhere: Ctrl-C and Ctrl-Break there reach the game only so.
void ConnectTerminal() {
    const Stream output = AsFound(stdout, STD_OUTPUT_HANDLE);
    const Stream error = AsFound(stderr, STD_ERROR_HANDLE);
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    Connect(output);
    Connect(error);
}

void TellPlayer(const std::string& message) {
    if (Leads(STD_ERROR_HANDLE)) {
        std::fprintf(stderr, "farhaven: %s\n", message.c_str());
        std::fflush(stderr);
        return;
    }
    MessageBoxW(nullptr, Widen(message).c_str(), L"Far Haven", MB_OK | MB_ICONERROR);
}

}  // namespace platform
