// A headless platform installed for one test, with a transcript of the
// debug channel.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/options.h"
#include "platform/core/platform.h"
#include "platform/headless/headless_backend.h"
#include "support/files.h"  // Lines and CountLines, for the debug text

class HeadlessPlatform {
public:
    explicit HeadlessPlatform(platform::Options options = {});

    platform::Platform& platform() { return scoped_.get(); }
    platform::HeadlessBackend& backend() { return *backend_; }
    // Everything written to the debug channel so far.
    const std::string& debugText() { return scoped_.get().debug().Transcript(); }

private:
    platform::HeadlessBackend* backend_;  // owned by the installed platform
    platform::ScopedPlatform scoped_;
};

// A test with a fresh headless platform.
class HeadlessTest : public ::testing::Test {
protected:
    HeadlessPlatform headless;
};
