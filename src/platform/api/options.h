// What the command line asks of the platform.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/codes.h"

namespace platform {

// The platform steps that a headless run can be told to fail.
inline constexpr std::array<std::string_view, 21> kFailureSteps = {
    "window.class",       "window.create",      "ddraw.create",      "ddraw.init",
    "ddraw.cooperative",  "ddraw.mode",         "ddraw.primary",     "ddraw.backbuffer",
    "ddraw.surface",      "ddraw.lock",         "ddraw.pixelformat", "dsound.create",
    "dsound.cooperative", "dsound.buffer",      "dsound.lock",       "dinput.create",
    "dinput.device",      "dinput.cooperative", "dinput.format",     "dinput.acquire",
    "dinput.state"};

constexpr bool IsFailureStep(std::string_view step) {
    for (std::string_view known : kFailureSteps) {
        if (known == step) return true;
    }
    return false;
}

// `--fail STEP[=CODE][@N]`: STEP fails with CODE from its N-th call on.
struct FailureRequest {
    std::string step;
    HRESULT code = E_FAIL;
    std::uint32_t fromCall = 1;
};

// `--scale N`: the window is N times the picture, for N in this range.
inline constexpr std::uint32_t kMinScale = 1;
inline constexpr std::uint32_t kMaxScale = 8;

struct Options {
    bool headless = false;
    bool window = false;                  // a window instead of full screen
    std::uint32_t scale = 1;              // window size multiplier
    bool integerScale = false;            // the picture at whole multiples only
    bool noSound = false;                 // the silent sound device, whatever the machine has
    bool noGamepad = false;               // the keyboard alone: no game controllers opened
    std::string keysFile;                 // headless key script
    std::optional<std::uint32_t> frames;  // end after this many frames
    std::string logFile;                  // "-" for standard error; empty drops the lines
    std::string screenshotFile;
    std::string recordFile;    // where to write the run's keys and events as a key script
    std::string audioOutFile;  // where to write the sound as a WAV file
    std::vector<FailureRequest> failures;
    bool rgb555 = false;
};

}  // namespace platform
