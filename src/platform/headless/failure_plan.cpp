#include "platform/headless/failure_plan.h"

#include <algorithm>
#include <array>

namespace platform {

HRESULT FailurePlan::Call(std::string_view step) {
    auto request = requests_.find(step);
    if (request == requests_.end()) return S_OK;
    auto count = calls_.find(step);
    if (count == calls_.end()) count = calls_.emplace(std::string(step), 0).first;
    ++count->second;
    return count->second >= request->second.fromCall ? request->second.code : S_OK;
}

bool FailurePlan::KnownStep(std::string_view step) {
    static constexpr std::array<std::string_view, 21> kSteps = {
        "window.class",       "window.create",      "ddraw.create",      "ddraw.init",
        "ddraw.cooperative",  "ddraw.mode",         "ddraw.primary",     "ddraw.backbuffer",
        "ddraw.surface",      "ddraw.lock",         "ddraw.pixelformat", "dsound.create",
        "dsound.cooperative", "dsound.buffer",      "dsound.lock",       "dinput.create",
        "dinput.device",      "dinput.cooperative", "dinput.format",     "dinput.acquire",
        "dinput.state"};
    return std::find(kSteps.begin(), kSteps.end(), step) != kSteps.end();
}

}  // namespace platform
