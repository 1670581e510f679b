#include <gtest/gtest.h>

#include "common/exceptions.h"
#include "platform/api/window.h"
#include "shell/app_window.h"
#include "support/headless_platform.h"

namespace {

class WindowProcTest : public HeadlessTest {
protected:
    void SetUp() override {
        appActive = 1;
        textHeight = 0;
        charWidth = 0;
        window = CreateAppWindow(800, 600);
        ASSERT_NE(window, 0u);
    }
    // Takes every waiting message, as the frame loop does.
    std::vector<platform::Message> Drain() {
        std::vector<platform::Message> taken;
        platform::Message message;
        while (platform::PeekMessage(message)) {
            platform::GetMessage(message);
            taken.push_back(message);
            platform::DispatchMessage(message);
        }
        return taken;
    }
    platform::WindowHandle window = 0;
};

TEST_F(WindowProcTest, CreationMeasuresTheDefaultFontAndHidesTheCursor) {
    EXPECT_EQ(textHeight, 12);  // a 16-pixel cell minus 4
    EXPECT_EQ(charWidth, 8);
    EXPECT_FALSE(platform::CursorVisible());
    EXPECT_TRUE(headless.backend().windowOpen());
    EXPECT_EQ(headless.backend().windowWidth(), 800);
    EXPECT_EQ(headless.backend().windowHeight(), 600);
}

TEST_F(WindowProcTest, DeactivationClearsAppActiveAndLeavesTheCursorAlone) {
    platform::ShowCursor();
    EXPECT_EQ(WindowProc(window, platform::WM_ACTIVATEAPP, 0, 0), 0);
    EXPECT_EQ(appActive, 0);
    EXPECT_TRUE(platform::CursorVisible());
    WindowProc(window, platform::WM_ACTIVATEAPP, 0x10001, 0);  // only the low 16 bits count
    EXPECT_EQ(appActive, 1);
    EXPECT_FALSE(platform::CursorVisible());
}

TEST_F(WindowProcTest, ActivateHidesTheCursorAndPaintDrawsNothing) {
    platform::ShowCursor();
    EXPECT_EQ(WindowProc(window, platform::WM_ACTIVATE, 1, 0), 0);
    EXPECT_FALSE(platform::CursorVisible());
    EXPECT_EQ(WindowProc(window, platform::WM_PAINT, 0, 0), 0);
    EXPECT_EQ(headless.debugText(), "");
}

TEST_F(WindowProcTest, MouseMovesAreLoggedWithAnEmptyLineAfter) {
    WindowProc(window, platform::WM_MOUSEMOVE, 0, 640 | (480 << 16));
    WindowProc(window, platform::WM_MOUSEMOVE, 0, 65535 | (65535 << 16));
    EXPECT_EQ(headless.debugText(), "Mouse at 640,480\n\nMouse at 65535,65535\n\n");
}

TEST_F(WindowProcTest, CloseDestroysTheWindowWhichPostsTheQuitMessage) {
    platform::PostMessage(window, platform::WM_CLOSE, 0, 0);
    auto taken = Drain();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].message, platform::WM_CLOSE);
    EXPECT_EQ(taken[1].message, platform::WM_QUIT);
    EXPECT_EQ(taken[1].wParam, 0u);
    EXPECT_FALSE(headless.backend().windowOpen());
    EXPECT_FALSE(platform::DestroyWindow(window));  // already gone
}

TEST_F(WindowProcTest, OtherMessagesGetTheDefaultHandling) {
    EXPECT_EQ(WindowProc(window, 0x0100 /* a key message */, 0x41, 0), 0);
    EXPECT_TRUE(headless.backend().windowOpen());
}

TEST(AppWindow, NoWindowWhenTheClassCannotBeRegistered) {
    platform::Options options;
    options.failures.push_back({"window.class", platform::E_FAIL, 1});
    HeadlessPlatform headless(options);
    EXPECT_EQ(CreateAppWindow(800, 600), 0u);
}

TEST(AppWindow, AWindowThatCannotBeMadeRaisesTheUserException) {
    platform::Options options;
    options.failures.push_back({"window.create", platform::E_FAIL, 1});
    HeadlessPlatform headless(options);
    try {
        CreateAppWindow(800, 600);
        FAIL() << "no exception";
    } catch (user_exception* error) {
        EXPECT_STREQ(error->GetText(), "failed to create application window!");
        delete error;
    }
}

}  // namespace
