// The real window under an X server (the test script starts Xvfb).
#include "support/sdl_window.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/core/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_renderer_choice.h"
#include "shell/app_window.h"
#include "shell/frame_loop.h"

namespace {

int framesRun = 0;
void CountFrame() {
    ++framesRun;
}

// The software renderer where GL would be drawn on the processor (always so
// under Xvfb), the graphics card's own where there is one.
void ExpectTheRendererSuitsTheMachine(SDL_Renderer* chosen) {
    SDL_RendererInfo info{};
    ASSERT_EQ(SDL_GetRendererInfo(chosen, &info), 0);
    if ((info.flags & SDL_RENDERER_SOFTWARE) == 0) {
        EXPECT_FALSE(platform::RendersOnProcessor(chosen)) << info.name;
        return;
    }
    platform::SdlWindowPtr probe(SDL_CreateWindow("probe", 0, 0, 64, 64, SDL_WINDOW_HIDDEN));
    ASSERT_NE(probe, nullptr);
    platform::SdlRendererPtr accelerated(
        SDL_CreateRenderer(probe.get(), -1, SDL_RENDERER_ACCELERATED));
    if (accelerated) {
        EXPECT_TRUE(platform::RendersOnProcessor(accelerated.get()))
            << "the software renderer was chosen over a graphics card";
    }
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
    ExpectTheRendererSuitsTheMachine(sdl->renderer());

    // The close button reaches the game as SDL's quit event.
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    framesRun = 0;
    EXPECT_EQ(RunFrameLoop(CountFrame), 0u);
    EXPECT_EQ(sdl->window(), nullptr);  // the window was destroyed on the way out
}

}  // namespace
