// The api's input calls that the platform answers itself: the player's own
// keys, which the backend applies to the real keyboard, and the presses that
// cut the title's and the farewell's waits short.
#include "platform/api/input.h"
#include "platform/core/platform.h"

namespace platform {

void BindKeys(const std::vector<KeyBinding>& bindings) {
    Current().backend().BindKeys(bindings);
}

void BeginSkippableWait() {
    Current().BeginSkippableWait();
}

bool SkipRequested() {
    return Current().SkipRequested();
}

}  // namespace platform
