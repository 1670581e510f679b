// The real window under an X server (the test script starts Xvfb).
#include "support/sdl_window.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "shell/app_window.h"
#include "shell/frame_loop.h"

namespace {

int framesRun = 0;
void CountFrame() {
    ++framesRun;
}

TEST(SdlWindow, OpensAtTheConfiguredSizeMeasuresTheFontAndEndsWhenClosed) {
    WindowedSdlPlatform windowed;
    if (windowed.sdl() == nullptr) GTEST_SKIP() << windowed.whyNot();
    platform::SdlBackend* sdl = windowed.sdl();

    textHeight = 0;
    charWidth = 0;
    appActive = 1;
    appWindow = CreateAppWindow(640, 480);
    ASSERT_NE(appWindow, 0u);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(sdl->window(), &width, &height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    EXPECT_EQ(textHeight, 12);
    EXPECT_EQ(charWidth, 8);

    // The close button reaches the game as SDL's quit event.
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    framesRun = 0;
    EXPECT_EQ(RunFrameLoop(CountFrame), 0u);
    EXPECT_EQ(sdl->window(), nullptr);  // the window was destroyed on the way out
}

}  // namespace
