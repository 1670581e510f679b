// The commented control file the game reads at start-up, with every key at
// its default, so a player can see what can be tuned.
#pragma once

#include <string>

namespace resgen {

std::string ControlFileText();

}  // namespace resgen
