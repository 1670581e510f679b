// The platform steps that a headless run was told to fail, and when.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/options.h"

namespace platform {

class FailurePlan {
public:
    void Add(const FailureRequest& request) { requests_[request.step] = request; }
    void Clear() {
        requests_.clear();
        calls_.clear();
    }
    // Counts a call of the step and says whether it fails, and with what.
    HRESULT Call(std::string_view step);

private:
    std::map<std::string, FailureRequest, std::less<>> requests_;
    std::map<std::string, std::uint32_t, std::less<>> calls_;
};

}  // namespace platform
