// The one application window and what its procedure keeps track of.
#pragma once

#include <cstdint>

#include "platform/api/window.h"

extern const char* const appTitle;
extern platform::WindowHandle appWindow;
extern std::uint16_t textHeight;
extern std::uint16_t charWidth;
extern std::uint16_t appActive;

// Registers the window class and creates the window; WM_CREATE has measured
// the font when it returns. 0 when the class cannot be registered; throws
// user_exception when the window cannot be created.
platform::WindowHandle CreateAppWindow(std::uint16_t width, std::uint16_t height);

std::int32_t WindowProc(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam);
