#include <gtest/gtest.h>

#include <string>

#include "common/debug_log.h"
#include "common/exceptions.h"
#include "platform/api/codes.h"
#include "support/headless_platform.h"

namespace {

using DebugLogTest = HeadlessTest;

TEST_F(DebugLogTest, WritesTheLineThenItsOwnLineEndAndReturnsFalse) {
    EXPECT_FALSE(DebugLog("Player hit!  Health = %d", 90));
    EXPECT_EQ(headless.debugText(), "Player hit!  Health = 90\n");
}

TEST_F(DebugLogTest, AFormatEndingInALineEndLeavesAnEmptyLine) {
    DebugLog("Mouse at %d,%d\n", 640, 480);
    DebugLog("next");
    EXPECT_EQ(headless.debugText(), "Mouse at 640,480\n\nnext\n");
}

TEST_F(DebugLogTest, ALongExpansionIsCutAt511Characters) {
    std::string long_text(600, 'a');
    DebugLog("%s", long_text.c_str());
    EXPECT_EQ(headless.debugText(), std::string(511, 'a') + "\n");
}

struct CodeAndText {
    std::uint32_t code;
    const char* text;
};

class DirectExceptionText : public ::testing::TestWithParam<CodeAndText> {};

TEST_P(DirectExceptionText, NamesItsCode) {
    direct_exception error(static_cast<std::int32_t>(GetParam().code));
    EXPECT_STREQ(error.GetText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    CodeTable, DirectExceptionText,
    ::testing::Values(
        CodeAndText{0x8876017C, "Out of Video Memory"}, CodeAndText{0x887601AE, "Surface busy"},
        CodeAndText{0x887601C2, "Lost surface"}, CodeAndText{0x8876021C, "Was still drawing"},
        CodeAndText{0x88760234, "Primary Surface Already Exists"},
        CodeAndText{0x8876023B, "HWND is already set"},
        CodeAndText{0x88760245, "Exclusive mode is already set"},
        CodeAndText{0x88760091, "Invalid Pixel Format"}, CodeAndText{0x88760064, "Invalid Caps"},
        CodeAndText{0x88760078, "Invalid mode"}, CodeAndText{0x88760082, "Invalid Object"},
        CodeAndText{0x8876005F, "Incompatible Primary"},
        CodeAndText{0x80004001, "Unsupported operation"}, CodeAndText{0x8007000E, "Out of memory"},
        CodeAndText{0x80070057, "Invalid params"},
        // Success, a sound device's own code, a generic failure: not in the table.
        CodeAndText{0, "Unknown error"}, CodeAndText{0x88780078, "Unknown error"},
        CodeAndText{0x80004005, "Unknown error"}));

TEST(Exceptions, AreReportedThroughTheBasePointerAndDeletedSafely) {
    user_exception* caught = nullptr;
    try {
        throw new direct_exception(platform::DDERR_INVALIDMODE);
    } catch (user_exception* error) {
        caught = error;
    }
    ASSERT_NE(caught, nullptr);
    EXPECT_STREQ(caught->GetText(), "Invalid mode");
    EXPECT_STREQ(caught->GetText(), "Invalid mode");  // asking twice gives the same text
    delete caught;  // through the base: the virtual destructor makes this sound
}

TEST(Exceptions, AUserExceptionKeepsItsTextCutTo79Characters) {
    user_exception plain("Failed to load booms!");
    EXPECT_STREQ(plain.GetText(), "Failed to load booms!");
    user_exception overlong(std::string(120, 'x').c_str());
    EXPECT_EQ(std::string(overlong.GetText()), std::string(79, 'x'));
}

}  // namespace
