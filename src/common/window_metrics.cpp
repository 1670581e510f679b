#include "common/window_metrics.h"

platform::WindowHandle appWindow = 0;
std::uint16_t textHeight = 0;
std::uint16_t charWidth = 0;

void ResetWindowMetrics() {
    appWindow = 0;
    textHeight = 0;
    charWidth = 0;
}
