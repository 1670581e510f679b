// The application window and the default font's measurements, which the
// whole game reads: the window procedure fills them in when the window is
// made, and text is placed by them.
#pragma once

#include <cstdint>

#include "platform/api/window.h"

extern platform::WindowHandle appWindow;
// The default font's line height minus 4, and its average character width.
extern std::uint16_t textHeight;
extern std::uint16_t charWidth;

// Back to how a fresh process has them: no window, nothing measured.
void ResetWindowMetrics();
