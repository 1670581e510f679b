// The window's picture. The front surface is converted into a streaming
// ARGB8888 texture (the renderers take 32-bit pixels natively and would
// otherwise convert every frame themselves), scaled to fit the window with
// its aspect kept, and presented: with vsync and pacing for flips, at once
// for drawing made straight onto the screen.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/api/codes.h"
#include "platform/core/memory_surface.h"
#include "platform/sdl/frame_pacer.h"
#include "platform/sdl/sdl_handles.h"

namespace platform {

class SdlScreen {
public:
    SdlScreen(SDL_Window* window, SDL_Renderer* renderer, bool fullScreen);

    HRESULT SetMode(std::uint16_t width, std::uint16_t height);
    // Leaves full screen, so that a message box can be seen.
    void Restore();

    // The waiting flip.
    void Flip(const MemorySurface& front);
    // The front surface was drawn on: its picture is kept to be shown by the
    // next PresentPending.
    void FrontChanged(const MemorySurface& front);
    // Shows the kept picture once a refresh period has passed since the last
    // one. The game comes through here whenever it sleeps or idles, so the
    // cost of showing falls within time it would wait anyway: a fade, 255
    // drawings 10 ms apart, keeps its 2.55 seconds.
    void PresentPending();

private:
    void Upload(const MemorySurface& front);
    void Present(bool vsync);
    bool PresentDue() const;
    void ChooseScaling();

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    bool fullScreen_;
    bool hasVsync_;
    FramePacer pacer_;
    SdlTexturePtr texture_;
    SDL_ScaleMode scaleMode_ = SDL_ScaleModeNearest;  // a new texture's
    std::unique_ptr<MemorySurface> kept_;             // the front's picture, waiting to be shown
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    bool vsyncOn_;
    bool pending_ = false;
    FramePacer::Clock::time_point lastPresent_{};
};

}  // namespace platform
