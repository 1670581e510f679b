// The one application window and what its procedure keeps track of (the
// window's handle and the font's measurements are in common/window_metrics.h,
// for the whole game to read).
#pragma once

#include <cstdint>

#include "common/window_metrics.h"
#include "platform/api/window.h"

extern const char* const appTitle;
// 0 once another program has the foreground: the frame loop then ends.
extern std::uint16_t appActive;

// Registers the window class and creates the window; WM_CREATE has measured
// the font when it returns. 0 when the class cannot be registered; throws
// user_exception when the window cannot be created.
platform::WindowHandle CreateAppWindow(std::uint16_t width, std::uint16_t height);

std::int32_t WindowProc(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam);
