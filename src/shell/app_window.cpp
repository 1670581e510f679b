#include "shell/app_window.h"

#include "common/debug_log.h"
#include "common/exceptions.h"
#include "platform/api/window.h"

const char* const appTitle = "Far Haven";
std::uint16_t appActive = 1;

namespace {

constexpr const char* kWindowClass = "DirectXMgr";

void MeasureDefaultFont(platform::WindowHandle window) {
    platform::TextMetrics metrics = platform::GetTextMetrics(window);
    textHeight = static_cast<std::uint16_t>(metrics.height - 4);
    charWidth = static_cast<std::uint16_t>(metrics.averageCharWidth);
}

}  // namespace

platform::WindowHandle CreateAppWindow(std::uint16_t width, std::uint16_t height) {
    if (!platform::RegisterWindowClass(kWindowClass, WindowProc)) return 0;
    platform::WindowHandle window = platform::CreateWindow(kWindowClass, appTitle, width, height);
    if (window == 0) throw new user_exception("failed to create application window!");
    return window;
}

std::int32_t WindowProc(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) {
    switch (message) {
        case platform::WM_CREATE:
            MeasureDefaultFont(window);
            platform::HideCursor();
            return 0;
        case platform::WM_DESTROY:
            platform::PostQuitMessage(0);
            return 0;
        case platform::WM_ACTIVATE:
            platform::HideCursor();
            return 0;
        case platform::WM_PAINT:
            // Nothing to paint: the game draws through the display device.
            return 0;
        case platform::WM_ACTIVATEAPP:
            appActive = static_cast<std::uint16_t>(wParam & 0xFFFF);
            if (appActive != 0) platform::HideCursor();
            return 0;
        case platform::WM_MOUSEMOVE: {
            auto bits = static_cast<std::uint32_t>(lParam);
            DebugLog("Mouse at %d,%d\n", static_cast<int>(bits & 0xFFFF),
                     static_cast<int>(bits >> 16));
            return 0;
        }
        default:
            return platform::DefWindowProc(window, message, wParam, lParam);
    }
}
