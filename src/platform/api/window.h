// The application window and its message queue, cursor, font metrics and
// message box.
#pragma once

#include <cstdint>
#include <string>

#include "platform/api/codes.h"

namespace platform {

// 0 names no window.
using WindowHandle = std::uint32_t;

using WindowProcedure = std::int32_t (*)(WindowHandle window, std::uint32_t message,
                                         std::uintptr_t wParam, std::intptr_t lParam);

struct Message {
    WindowHandle window = 0;
    std::uint32_t message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

struct TextMetrics {
    std::int32_t height = 0;            // character cell height in pixels
    std::int32_t averageCharWidth = 0;  // advance of one character in pixels
};

// Registers a window class under its name; false when it cannot be registered.
bool RegisterWindowClass(const std::string& className, WindowProcedure procedure);

// Creates a window of a registered class. WM_CREATE reaches the class's
// procedure before this returns. Returns 0 when the window cannot be made.
WindowHandle CreateWindow(const std::string& className, const std::string& title,
                          std::uint16_t width, std::uint16_t height);

// Destroys the window; its procedure receives WM_DESTROY before this returns.
bool DestroyWindow(WindowHandle window);

// Looks at the next message without removing it; false when the queue is empty.
bool PeekMessage(Message& message);
// Removes the next message, waiting for one if need be; false for WM_QUIT.
bool GetMessage(Message& message);
void TranslateMessage(const Message& message);
// Hands the message to its window's procedure and returns what it returned.
std::int32_t DispatchMessage(const Message& message);
bool PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam);
void PostQuitMessage(std::int32_t exitCode);
// What a window does with a message its procedure leaves alone: WM_CLOSE
// destroys the window, everything else is ignored.
std::int32_t DefWindowProc(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam);

void HideCursor();
// Also called by the display's teardown as the program exits, after the
// platform is gone: it then does nothing.
void ShowCursor();
bool CursorVisible();

// Metrics of the default font, the one all text is drawn in.
TextMetrics GetTextMetrics(WindowHandle window);

// Shows the text to the player and waits until it is dismissed (a real
// dialog in a window, a line on standard error when headless).
void MessageBox(WindowHandle owner, const std::string& text, const std::string& caption);

}  // namespace platform
