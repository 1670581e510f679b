// The program's entry on Windows (linked with -municode): the command line
// as Windows gives it, in UTF-16, made UTF-8 for the game whatever the
// system's code page, so that every option takes any file name.
#include <string>
#include <vector>

#include "platform/core/os/windows_wide.h"

// The game's main (src/shell/main.cpp, renamed when built for Windows).
int FarhavenMain(int argc, char** argv);

extern "C" int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> words;
    for (int i = 0; i < argc; ++i) words.push_back(platform::Narrow(argv[i]));
    std::vector<char*> pointers;
    for (std::string& word : words) pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return FarhavenMain(argc, pointers.data());
}
