// The window's picture. The front surface is converted into a streaming
// ARGB8888 texture (the renderers take 32-bit pixels natively and would
// otherwise convert every frame themselves), scaled to fit the window with
// its aspect kept, and presented: with vsync and pacing for flips, at once
// for drawing made straight onto the screen.
#pragma once

#include <chrono>
#include <cstdint>

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
    // The front surface was drawn on: shown now, or at the next PresentPending.
    void FrontChanged(const MemorySurface& front);
    // Shows a changed front surface once a refresh period has passed since
    // the last picture; the game calls through here when it sleeps or idles.
    void PresentPending();

private:
    void Upload(const MemorySurface& front);
    void Present(bool vsync);
    bool PresentDue() const;

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    bool fullScreen_;
    bool hasVsync_;
    FramePacer pacer_;
    SdlTexturePtr texture_;
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    bool vsyncOn_;
    bool pending_ = false;
    FramePacer::Clock::time_point lastPresent_{};
};

}  // namespace platform
