// The files a run names, checked before any of them is opened for writing,
// so that a mistake on the command line costs the player nothing: two
// options naming one file, an output that would write over an input (the key
// script, the control file), or an output that cannot be written at all
// (a missing folder, a folder without write permission) ends the program
// before it starts, with every file as it was.
#pragma once

#include "platform/api/options.h"

namespace platform {

// Throws BackendError (exit code 2) naming the file and the problem.
void CheckPlayerFiles(const Options& options);

}  // namespace platform
