#include "display/draw_manager.h"

#include "common/exceptions.h"
#include "platform/api/window.h"

using platform::Failed;
using platform::HRESULT;

DrawManager theDrawManager;

DrawManager::~DrawManager() {
    Teardown();
}

bool DrawManager::Init(platform::WindowHandle window, std::uint32_t cooperativeFlags,
                       std::uint16_t width, std::uint16_t height, std::uint16_t bitsPerPixel) {
    if (!directDraw) {
        HRESULT result = platform::CreateDisplayDevice(directDraw);
        if (Failed(result)) throw new direct_exception(result);
        result = directDraw->Initialize();
        if (Failed(result)) throw new direct_exception(result);
        result = directDraw->SetCooperativeLevel(window, cooperativeFlags);
        if (Failed(result)) throw new direct_exception(result);
        result = directDraw->SetDisplayMode(width, height, bitsPerPixel);
        if (Failed(result)) throw new direct_exception(result);
        result = CreateSurfaces();
        if (result != 0) throw new direct_exception(result);
    }
    // A device whose earlier Init stopped before the chain was made has no
    // primary surface to read the format from.
    if (primary) AnalysePixelFormat(*primary);
    return true;
}

HRESULT DrawManager::CreateSurfaces() {
    try {
        HRESULT result = directDraw->CreatePrimarySurface(2, primary);
        if (Failed(result)) throw new direct_exception(result);
        result = primary->GetAttachedBackBuffer(backBuffer);
        if (Failed(result)) throw new direct_exception(result);
    } catch (direct_exception* error) {
        directDraw.reset();
        HRESULT code = error->code;
        delete error;
        return code;
    }
    return 0;
}

HRESULT DrawManager::FillAndFlip(platform::Surface& surface, std::uint32_t colour) {
    surface.ColorFill(colour & 0xFFFFFF);
    if (!primary) return platform::DDERR_INVALIDOBJECT;
    return primary->Flip(surface);
}

// Runs from the program once the game has returned, while the platform still
// exists, and again from the destructor after main, when it finds nothing
// left to release and no platform to talk to (both calls below then do
// nothing).
void DrawManager::Teardown() {
    platform::ShowCursor();
    // The last picture on the screen, before the display is given up:
    // saved when the command line asked for a screenshot.
    if (primary) platform::SaveRequestedScreenshot(*primary);
    backBuffer = nullptr;
    primary.reset();
    directDraw.reset();
}

void ResetDisplay() {
    theDrawManager.Teardown();
    blueBits = 0;
    greenBits = 0;
    redBits = 0;
}
