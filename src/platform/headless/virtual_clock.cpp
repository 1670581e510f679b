#include "platform/headless/virtual_clock.h"

namespace platform {

void VirtualClock::AdvanceToNextRefresh() {
    if (held_) return;
    // Refreshes repeat every 50 ms in a fixed pattern of three (16, 17, 17 ms
    // apart), so work within the 50 ms period and keep the 32-bit wrap.
    std::uint64_t now = now_;
    std::uint64_t k = now * 60 / 1000;  // refresh at or before now
    while (k * 1000 / 60 <= now) ++k;
    now_ = static_cast<std::uint32_t>(k * 1000 / 60);
}

}  // namespace platform
