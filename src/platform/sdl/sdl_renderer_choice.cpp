#include "platform/sdl/sdl_renderer_choice.h"

#include <array>
#include <cstring>
#include <string_view>

namespace platform {
namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER
using GlGetString = const unsigned char* (*)(unsigned);

// What the GL drivers without a card call themselves.
constexpr std::array<std::string_view, 4> kProcessorRenderers = {"llvmpipe", "softpipe",
                                                                 "Software Rasterizer", "SWR"};

}  // namespace

bool RendersOnProcessor(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr ||
        std::strncmp(info.name, "opengl", 6) != 0) {
        return false;
    }
    // The renderer's context is current once it is made.
    auto getString = reinterpret_cast<GlGetString>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) return false;
    const unsigned char* name = getString(kGlRenderer);
    if (name == nullptr) return false;
    std::string_view text(reinterpret_cast<const char*>(name));
    for (std::string_view processor : kProcessorRenderers) {
        if (text.find(processor) != std::string_view::npos) return true;
    }
    return false;
}

SdlRendererPtr CreateRenderer(SDL_Window* window) {
    SdlRendererPtr renderer(
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC));
    if (renderer && !RendersOnProcessor(renderer.get())) return renderer;
    bool hadAccelerated = renderer != nullptr;
    renderer.reset();
    // The window's own framebuffer, not one that SDL would draw through GL.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
    // A slow picture is still better than none.
    if (!renderer && hadAccelerated) {
        renderer.reset(
            SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC));
    }
    return renderer;
}

}  // namespace platform
