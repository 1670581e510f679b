#include "platform/sdl/sdl_screen.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

bool RendererHas(SDL_Renderer* renderer, Uint32 flag) {
    SDL_RendererInfo info{};
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & flag) != 0;
}

int RefreshRate(SDL_Window* window) {
    SDL_DisplayMode mode{};
    return SDL_GetWindowDisplayMode(window, &mode) == 0 ? mode.refresh_rate : 0;
}

}  // namespace

SdlScreen::SdlScreen(SDL_Window* window, SDL_Renderer* renderer, bool fullScreen, bool integerScale)
    : window_(window),
      renderer_(renderer),
      fullScreen_(fullScreen),
      integerScale_(integerScale),
      hasVsync_(RendererHas(renderer, SDL_RENDERER_PRESENTVSYNC)),
      smoothing_(!RendererHas(renderer, SDL_RENDERER_SOFTWARE)),
      pacer_(hasVsync_, RefreshRate(window)),
      vsyncOn_(hasVsync_) {}

HRESULT SdlScreen::SetMode(std::uint16_t width, std::uint16_t height) {
    if (fullScreen_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == 0) {
        SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
    if (!texture_ || width != width_ || height != height_) {
        texture_.reset(SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                         SDL_TEXTUREACCESS_STREAMING, width, height));
        if (!texture_) return DDERR_OUTOFVIDEOMEMORY;
        picture_.Forget();
        // Every pixel is opaque; blending would only cost time.
        SDL_SetTextureBlendMode(texture_.get(), SDL_BLENDMODE_NONE);
        scaleMode_ = SDL_ScaleModeNearest;
        width_ = width;
        height_ = height;
    }
    return S_OK;
}

// The renderer's output is the window's size in real pixels, which on a
// high-density display is larger than the window's own units.
PictureRect SdlScreen::Placement() const {
    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
    return FitPicture(outputWidth, outputHeight, width_, height_, integerScale_);
}

PicturePoint SdlScreen::PictureAt(int windowX, int windowY) const {
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window_, &windowWidth, &windowHeight);
    if (width_ == 0 || windowWidth <= 0 || windowHeight <= 0) return {windowX, windowY};
    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
    int outputX = static_cast<int>(std::int64_t{windowX} * outputWidth / windowWidth);
    int outputY = static_cast<int>(std::int64_t{windowY} * outputHeight / windowHeight);
    return platform::PictureAt(Placement(), width_, height_, outputX, outputY);
}

// Whole multiples keep their sharp pixels; any other scale is smoothed where
// a graphics card does it. Smoothing on the processor costs several times
// the whole frame, so the software renderer keeps to the nearest pixel.
void SdlScreen::ChooseScaling(const PictureRect& shown) {
    bool smooth = smoothing_ && !WholeMultiple(shown, width_, height_);
    SDL_ScaleMode mode = smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    if (mode != scaleMode_) {
        SDL_SetTextureScaleMode(texture_.get(), mode);
        scaleMode_ = mode;
    }
}

void SdlScreen::Restore() {
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        SDL_SetWindowFullscreen(window_, 0);
    }
}

void SdlScreen::Flip(const MemorySurface& front) {
    Upload(front);
    pacer_.BeforePresent();
    Present(hasVsync_);
    pacer_.AfterPresent();
}

void SdlScreen::FrontChanged(const MemorySurface& front) {
    if (!kept_ || kept_->Width() != front.Width() || kept_->Height() != front.Height()) {
        kept_ = MemorySurface::Create(front.Width(), front.Height(), front.format());
        if (!kept_) return;
    }
    for (std::int32_t y = 0; y < front.Height(); ++y) {
        std::copy_n(front.Row(y), front.Width(), kept_->Row(y));
    }
    pending_ = true;
}

void SdlScreen::PresentPending() {
    if (!pending_ || !PresentDue()) return;
    Upload(*kept_);
    Present(false);
}

bool SdlScreen::PresentDue() const {
    return FramePacer::Clock::now() - lastPresent_ >= FramePacer::kTick;
}

// Only the rows that changed since the last picture go to the texture; the
// rest of it still holds what it showed.
void SdlScreen::Upload(const MemorySurface& front) {
    if (!texture_ || front.Width() != width_ || front.Height() != height_) return;
    for (const ArgbPicture::Rows& rows : picture_.Update(front)) {
        SDL_Rect band{0, rows.first, width_, rows.count};
        SDL_UpdateTexture(texture_.get(), &band, picture_.Row(rows.first), picture_.pitch());
    }
}

// Flips wait for the refresh; pictures of drawing on the screen itself (the
// fades draw 255 times, 10 ms apart) must not, or a fade would take half as
// long again.
void SdlScreen::Present(bool vsync) {
    if (vsync != vsyncOn_) {
        SDL_RenderSetVSync(renderer_, vsync ? 1 : 0);
        vsyncOn_ = vsync;
    }
    // The window learns its full-screen size from events, and a game busy
    // fading its title reads none: take them in, so that the picture is
    // scaled to the window's real size. They stay queued for the game.
    SDL_PumpEvents();
    SDL_RenderClear(renderer_);
    if (texture_) {
        PictureRect placement = Placement();
        SDL_Rect shown{placement.x, placement.y, placement.w, placement.h};
        ChooseScaling(placement);
        SDL_RenderCopy(renderer_, texture_.get(), nullptr, &shown);
    }
    SDL_RenderPresent(renderer_);
    lastPresent_ = FramePacer::Clock::now();
    pending_ = false;
}

}  // namespace platform
