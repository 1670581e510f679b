// The window api: the window table, the message queue and default handling
// are shared; the backend opens the real window and feeds the system's events.
#include "platform/api/window.h"
#include "platform/core/display/font.h"
#include "platform/core/platform.h"

namespace platform {

bool RegisterWindowClass(const std::string& className, WindowProcedure procedure) {
    Platform& platform = Current();
    if (Failed(platform.backend().InjectedFailure("window.class"))) return false;
    return platform.windows().RegisterClass(className, procedure);
}

WindowHandle CreateWindow(const std::string& className, const std::string& title,
                          std::uint16_t width, std::uint16_t height) {
    Platform& platform = Current();
    auto procedure = platform.windows().ClassProcedure(className);
    if (!procedure) return 0;
    if (Failed(platform.backend().InjectedFailure("window.create"))) return 0;
    if (!platform.backend().OpenWindow(title, width, height)) return 0;
    WindowHandle window = platform.windows().Add(*procedure);
    if (platform.appWindow() == 0) platform.setAppWindow(window);
    (*procedure)(window, WM_CREATE, 0, 0);
    return window;
}

bool DestroyWindow(WindowHandle window) {
    Platform& platform = Current();
    auto procedure = platform.windows().Procedure(window);
    if (!procedure) return false;
    (*procedure)(window, WM_DESTROY, 0, 0);
    platform.windows().Remove(window);
    if (window == platform.appWindow()) {
        platform.backend().CloseWindow();
        platform.setAppWindow(0);
    }
    return true;
}

namespace {

// The events since the last call, then, while none has come, an idle wait
// and the events after it: once for a peek, until one comes for a get.
void PumpForMessages(Platform& platform, bool untilOne) {
    platform.backend().PumpEvents();
    platform.EndIfStopped();
    do {
        if (!platform.queue().Empty()) return;
        platform.backend().IdleWait();
        platform.backend().PumpEvents();
    } while (untilOne);
}

}  // namespace

bool PeekMessage(Message& message) {
    Platform& platform = Current();
    PumpForMessages(platform, false);
    if (platform.queue().Empty()) return false;
    message = platform.queue().Front();
    return true;
}

bool GetMessage(Message& message) {
    Platform& platform = Current();
    PumpForMessages(platform, true);
    message = platform.queue().Take();
    return message.message != WM_QUIT;
}

void TranslateMessage(const Message& /*message*/) {
    // Keys are read as a whole keyboard state; no character messages are made.
}

std::int32_t DispatchMessage(const Message& message) {
    auto procedure = Current().windows().Procedure(message.window);
    if (!procedure) return 0;
    return (*procedure)(message.window, message.message, message.wParam, message.lParam);
}

bool PostMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) {
    Current().queue().Post({window, message, wParam, lParam});
    return true;
}

void PostQuitMessage(std::int32_t exitCode) {
    Current().queue().Post({0, WM_QUIT, static_cast<std::uintptr_t>(exitCode), 0});
}

std::int32_t DefWindowProc(WindowHandle window, std::uint32_t message, std::uintptr_t /*wParam*/,
                           std::intptr_t /*lParam*/) {
    if (message == WM_CLOSE) DestroyWindow(window);
    return 0;
}

void HideCursor() {
    Current().setCursorVisible(false);
}
void ShowCursor() {
    if (Installed()) Current().setCursorVisible(true);
}
bool CursorVisible() {
    return Current().cursorVisible();
}

TextMetrics GetTextMetrics(WindowHandle /*window*/) {
    return Current().font().Metrics();
}

void MessageBox(WindowHandle /*owner*/, const std::string& text, const std::string& caption) {
    Current().backend().ShowMessageBox(text, caption);
}

}  // namespace platform
