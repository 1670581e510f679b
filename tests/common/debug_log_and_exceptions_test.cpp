// The trace and the two error objects the whole game shares.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/debug_log.h"
#include "common/exceptions.h"
#include "platform/api/codes.h"
#include "support/headless_platform.h"

namespace {

TEST_F(HeadlessTest, DebugLogWritesTheLineThenItsOwnLineEndCutAt511AndReturnsFalse) {
    EXPECT_FALSE(DebugLog("Player hit!  Health = %d", 90));
    DebugLog("Mouse at %d,%d\n", 640, 480);  // a line end of its own leaves an empty line
    DebugLog("%s", std::string(600, 'a').c_str());
    EXPECT_EQ(headless.debugText(),
              "Player hit!  Health = 90\nMouse at 640,480\n\n" + std::string(511, 'a') + "\n");
}

}  // namespace
