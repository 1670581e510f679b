// Which SDL renderer shows the picture.
#pragma once

#include "platform/core/display/sdl_handles.h"

namespace platform {

// A graphics card's renderer with vsync where there is one. Without a card,
// GL is drawn on the processor (Mesa's llvmpipe and kin), and scaling the
// picture through it costs several times what SDL's own software renderer
// costs on the window system's plain framebuffer: then, and when nothing
// accelerated can be made, the software renderer is used.
SdlRendererPtr CreateRenderer(SDL_Window* window);

// True for a GL renderer that the processor draws.
bool RendersOnProcessor(SDL_Renderer* renderer);

}  // namespace platform
