// The window's picture. The front surface is converted into an ARGB8888
// texture (the renderers take 32-bit pixels natively and would otherwise
// convert every frame themselves), only where it changed since the last
// picture; scaled to fit the window with its aspect kept (or at whole
// multiples only) on black, and presented: with vsync and pacing for flips,
// at once for drawing made straight onto the screen.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/api/codes.h"
#include "platform/core/display/argb_picture.h"
#include "platform/core/display/memory_surface.h"
#include "platform/core/display/picture_fit.h"
#include "platform/core/display/sdl_handles.h"
#include "platform/sdl/frame_pacer.h"

namespace platform {

class SdlScreen {
public:
    SdlScreen(SDL_Window* window, SDL_Renderer* renderer, bool fullScreen, bool integerScale);

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

    // The picture pixel under a point of the window (in the window's own
    // units, which are not pixels on a high-density display).
    PicturePoint PictureAt(int windowX, int windowY) const;

private:
    void Upload(const MemorySurface& front);
    void Present(bool vsync);
    bool PresentDue() const;
    // Where the picture goes in the renderer's output, in its pixels.
    PictureRect Placement() const;
    void ChooseScaling(const PictureRect& shown);

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    bool fullScreen_;
    bool integerScale_;
    bool hasVsync_;
    bool smoothing_;  // the renderer can afford smooth scaling
    FramePacer pacer_;
    SdlTexturePtr texture_;
    ArgbPicture picture_;                             // what the texture holds
    SDL_ScaleMode scaleMode_ = SDL_ScaleModeNearest;  // a new texture's
    std::unique_ptr<MemorySurface> kept_;             // the front's picture, waiting to be shown
    std::uint16_t width_ = 0;
    std::uint16_t height_ = 0;
    bool vsyncOn_;
    bool pending_ = false;
    FramePacer::Clock::time_point lastPresent_{};
};

}  // namespace platform
