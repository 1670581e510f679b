// Presses Ctrl-C at a program's console, as a player would:
// starts the command in a console of its own, waits until a file of its
// has grown past a size (the program is well into its run), sends the key
// to the console, and ends with the program's exit code, or 124 when it has
// not ended a minute later. The Windows check drives the game with it.
//   console_ctrl FILE BYTES PROGRAM [ARGUMENT...]
// (Wine's consoles take no Ctrl-Break from a program, so it sends none.)
// Arguments are passed on in quotes, so they may hold blanks but no quote.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kUsage = 2;
constexpr int kTimedOut = 124;

// The helper stays to report the program's end: the key is the program's.
BOOL WINAPI KeepRunning(DWORD /*event*/) {
    return TRUE;
}

long long SizeOf(const wchar_t* file) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(file, GetFileExInfoStandard, &data)) return -1;
    return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

// Waits up to a minute for the file to grow, while the program runs.
bool WaitForGrowth(const wchar_t* file, long long bytes, HANDLE program) {
    for (int tenth = 0; tenth < 600; ++tenth) {
        if (SizeOf(file) > bytes) return true;
        if (WaitForSingleObject(program, 100) == WAIT_OBJECT_0) return false;
    }
    return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: console_ctrl FILE BYTES PROGRAM [ARGUMENT...]\n");
        return kUsage;
    }
    std::wstring command;
    for (int i = 3; i < argc; ++i) command += L"\"" + std::wstring(argv[i]) + L"\" ";
    // The program writes where this helper was told to, as a command
    // line's redirections give a program its streams.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    FreeConsole();
    if (!AllocConsole() || !SetConsoleCtrlHandler(KeepRunning, TRUE)) {
        std::fprintf(stderr, "console_ctrl: no console of its own (error %lu)\n", GetLastError());
        return kUsage;
    }
    PROCESS_INFORMATION program{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &program)) {
        std::fprintf(stderr, "console_ctrl: cannot start the program (error %lu)\n",
                     GetLastError());
        return kUsage;
    }
    CloseHandle(program.hThread);
    if (!WaitForGrowth(argv[1], std::wcstoll(argv[2], nullptr, 10), program.hProcess)) {
        std::fprintf(stderr, "console_ctrl: the file did not grow\n");
    }
    if (!GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) {
        std::fprintf(stderr, "console_ctrl: the key was not sent (error %lu)\n", GetLastError());
    }
    DWORD code = kTimedOut;
    if (WaitForSingleObject(program.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(program.hProcess, &code);
    } else {
        TerminateProcess(program.hProcess, kTimedOut);
    }
    CloseHandle(program.hProcess);
    return static_cast<int>(code);
}
