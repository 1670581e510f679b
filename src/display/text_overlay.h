// The few words on the screen: centring, the heads-up text, and the fades.
#pragma once

#include <cstdint>

#include "platform/api/display.h"

struct TextPos {
    std::uint16_t x = 0;
    std::uint16_t row = 0;
};

void CenterText(const char* text, TextPos* out);
// The heads-up colour over a dark outline, on the surface: legible over
// anything. ShowText also logs the text, as the heads-up line does.
void DrawOutlinedText(std::int32_t x, std::int32_t row, const char* text,
                      platform::Surface* surface);
void ShowText(std::int32_t x, std::int32_t row, const char* text, platform::Surface* surface);
// The fades draw on the visible surface, 10 ms a step; a press of a key, a
// button or the mouse (platform::SkipRequested) ends the one under way and
// those after it in the same wait at once.
void FadeInText(std::uint16_t x, std::int32_t row, const char* text, std::uint8_t red,
                std::uint8_t green, std::uint8_t blue);
void FadeOutText(std::uint16_t x, std::int32_t row, const char* text, std::uint8_t red,
                 std::uint8_t green, std::uint8_t blue);
