#include "platform/core/screenshot.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cstdio>
#include <memory>

#include "platform/core/argb_convert.h"
#include "platform/core/platform.h"
#include "platform/core/sdl_handles.h"

namespace platform {
bool SavePng(const MemorySurface& surface, const std::string& path, std::string& error) {
    SdlSurfacePtr argb(SDL_CreateRGBSurfaceWithFormat(0, surface.Width(), surface.Height(), 32,
                                                      SDL_PIXELFORMAT_ARGB8888));
    if (!argb) {
        error = SDL_GetError();
        return false;
    }
    ConvertToArgb(surface, static_cast<std::uint32_t*>(argb->pixels), argb->pitch);
    SdlSurfacePtr rgb(SDL_ConvertSurfaceFormat(argb.get(), SDL_PIXELFORMAT_RGB24, 0));
    if (!rgb || IMG_SavePNG(rgb.get(), path.c_str()) != 0) {
        error = SDL_GetError();
        return false;
    }
    return true;
}

void SaveRequestedScreenshot(const Surface& visible) {
    if (!Installed()) return;
    const std::string& path = Current().options().screenshotFile;
    const auto* surface = dynamic_cast<const MemorySurface*>(&visible);
    if (path.empty() || surface == nullptr) return;
    std::string error;
    if (!SavePng(*surface, path, error)) {
        std::fprintf(stderr, "farhaven: cannot save the screenshot %s: %s\n", path.c_str(),
                     error.c_str());
    }
}

}  // namespace platform
