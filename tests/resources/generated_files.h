// The generator's files, made once for the whole test program, and the
// cuts of the damaged-files sweep.
//
// The sweep cuts every file at every 64th byte, except the two large
// pictures: within their first and last 4 KiB only and at every 4 KiB
// between, which keeps the run to seconds; FARHAVEN_EVERY_CUT=1 cuts them
// at every 64th byte throughout.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "resources.h"
#include "support/files.h"

inline const std::vector<resgen::GameFile>& GeneratedFiles() {
    static const std::vector<resgen::GameFile> files = resgen::MakeGameFiles();
    return files;
}

inline const std::vector<std::uint8_t>& GeneratedFile(const std::string& path) {
    for (const resgen::GameFile& file : GeneratedFiles()) {
        if (file.path == path) return file.bytes;
    }
    throw std::out_of_range("the generator makes no " + path);
}

// Longest first: each load then reuses the memory of a longer one, where a
// reader that left what it lacks unwritten would show old pixels or samples.
inline std::vector<std::size_t> Cuts(std::size_t size) {
    const char* every = std::getenv("FARHAVEN_EVERY_CUT");
    const bool all = every != nullptr && std::string_view(every) == "1";
    std::vector<std::size_t> cuts;
    for (std::size_t cut = 0; cut < size; cut += 64) {
        if (all || cut < 4096 || cut + 4096 >= size || cut % 4096 == 0) cuts.push_back(cut);
    }
    std::reverse(cuts.begin(), cuts.end());
    return cuts;
}

// The first `size` bytes in a file; its path.
inline std::string WriteCut(const TempFolder& folder, const std::vector<std::uint8_t>& bytes,
                            std::size_t size) {
    return folder.Write("cut", std::string_view(reinterpret_cast<const char*>(bytes.data()), size));
}
