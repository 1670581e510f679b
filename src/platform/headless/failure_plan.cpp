#include "platform/headless/failure_plan.h"

namespace platform {

HRESULT FailurePlan::Call(std::string_view step) {
    auto request = requests_.find(step);
    if (request == requests_.end()) return S_OK;
    auto count = calls_.find(step);
    if (count == calls_.end()) count = calls_.emplace(std::string(step), 0).first;
    ++count->second;
    return count->second >= request->second.fromCall ? request->second.code : S_OK;
}

}  // namespace platform
