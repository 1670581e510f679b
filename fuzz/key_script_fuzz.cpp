// Fuzzes the key script parser: any bytes at all either parse into entries
// that make sense or are refused with a message naming the file and line.
// Build and run with fuzz/run_key_script_fuzz.sh.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/core/backend.h"
#include "platform/headless/key_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        platform::KeyScript script = platform::KeyScript::Parse(text, "fuzz.keys");
        for (const platform::ScriptEntry& entry : script.entries()) {
            if (entry.last < entry.first) std::abort();
            if (entry.keys.empty() && entry.events.empty() && !entry.skip) std::abort();
            // Frame 0, the start-up, has no end for an event, and any key there is a press.
            if (entry.first == 0 && !entry.events.empty()) std::abort();
            if ((entry.skip || (entry.first == 0 && !entry.keys.empty())) &&
                !script.PressAt(entry.first)) {
                std::abort();
            }
            platform::KeyState keys{};
            script.AddKeysDown(std::max<std::uint32_t>(entry.first, 1), keys);
            for (std::uint8_t code : entry.keys) {
                if (entry.last > 0 && keys[code] != platform::KEY_DOWN) std::abort();
            }
            if (script.EventsAt(entry.last).size() < entry.events.size()) std::abort();
        }
    } catch (const platform::BackendError& error) {
        std::string_view message = error.what();
        if (message.rfind("fuzz.keys:", 0) != 0 || error.exitCode() != 2) std::abort();
    }
    return 0;
}
