// The one display device: the flipping chain every frame is drawn into, and
// the screen's pixel format with the packing of colours into it.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/api/display.h"

class DrawManager {
public:
    ~DrawManager();

    // Sets the display mode and builds the flipping chain; throws
    // direct_exception with the failing code. A second call only reads the
    // pixel format again.
    bool Init(platform::WindowHandle window, std::uint32_t cooperativeFlags, std::uint16_t width,
              std::uint16_t height, std::uint16_t bitsPerPixel);
    platform::HRESULT CreateSurfaces();
    // Fills the surface and flips the chain with it as the target, waiting
    // for the display.
    platform::HRESULT FillAndFlip(platform::Surface& surface, std::uint32_t colour);
    // Shows the cursor again and gives up the back buffer, the primary
    // surface and the device, in that order. The destructor does it too;
    // the program calls it once the game has returned, while the platform
    // still exists.
    void Teardown();

    std::unique_ptr<platform::DisplayDevice> directDraw;
    std::unique_ptr<platform::Surface> primary;
    platform::Surface* backBuffer = nullptr;  // owned by primary's chain
};

extern DrawManager theDrawManager;

// The screen's pixel format, filled by AnalysePixelFormat.
extern std::uint32_t blueBits;
extern std::uint32_t greenBits;
extern std::uint32_t redBits;

bool AnalysePixelFormat(platform::Surface& surface);

// The display given up and the pixel format forgotten, as in a fresh process (tests).
void ResetDisplay();
// 8-bit channels to a pixel of the screen's format (in the low 16 bits).
std::uint32_t PackColor(std::uint32_t red, std::uint32_t green, std::uint32_t blue);
