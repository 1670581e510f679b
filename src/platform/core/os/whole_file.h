// A file written whole or not at all: the new bytes go into a file beside
// it, onto the disk, and only then take its place, so that a failure or a
// power cut on the way leaves the old file or the whole new one, never a
// part. A device or a pipe is no file to replace and is written as it is.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// `what` names the contents in messages ("screenshot"). False, said on
// standard error, when the file could not be written; nothing of a
// failed attempt is left beside it.
bool ReplaceWhole(const std::string& path, const std::string& what, std::string_view bytes);

}  // namespace platform
