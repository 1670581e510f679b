// The headless backend's key scripts (--keys): what a bad one is told.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "support/files.h"

namespace {

TEST(KeyScript, AMissingFileAndEveryBadLineAreReportedWithTheFileAndLine) {
    TempFolder folder;
    platform::Options options;
    options.keysFile = (folder.path() / "replay.keys").string();
    for (auto [text, message] : std::vector<std::pair<std::string, std::string>>{
             {"", ":0: cannot read the key script (No such file or directory)"},
             {"1 UP\n\n3+4 UP",
              ":3: '3+4' is not a frame, a range of frames (N-M) or an open range (N+)"},
             {"0 UP", ":1: frames count from 1, not 0"},
             {"7-5 UP", ":1: the range '7-5' ends before it starts"},
             {"99999999999 UP", ":1: frame number '99999999999' is too large"},
             {"5 # no keys", ":1: no key or event after the frames"},
             {"1 MOUSE 65536 0", ":1: MOUSE takes X and Y from 0 to 65535, not '65536'"},
             {"1 \x01" + std::string(40, 'Q'),
              ":1: '\\x01" + std::string(31, 'Q') + "...' is neither a key nor an event"}}) {
        if (!text.empty()) folder.Write("replay.keys", text);
        try {
            platform::HeadlessBackend backend(options);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const platform::BackendError& error) {
            EXPECT_EQ(error.what(), options.keysFile + message);
            EXPECT_EQ(error.exitCode(), 2);
        }
    }
}

}  // namespace
