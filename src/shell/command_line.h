// The game's command line.
#pragma once

#include <string>
#include <vector>

#include "platform/api/options.h"

struct CommandLine {
    platform::Options options;
    bool help = false;
    bool version = false;
    std::string error;  // what is wrong with the command line, if anything
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
std::string Usage();
