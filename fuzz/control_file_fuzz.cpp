// Any control file gives every key a value of at most 254 characters, and
// its [KEYS] either bind each real key to one game key or say which line
// is wrong.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string_view>

#include "config/key_bindings.h"
#include "config/profile_file.h"
#include "config/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ProfileFile profile =
        ProfileFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const char* key : {"HRES", "VRES", "SHIELDLIFE", "RESOURCEPATH"}) {
        for (const char* section : {"VIDEO", "GAMEPLAY", "RESOURCES"}) {
            std::string value = profile.Lookup(section, key, "default");
            if (value.size() > 254) std::abort();
            DecimalValue(value);
        }
    }
    KeyBindingsRead keys = ReadKeyBindings(profile.Section("KEYS"), "fuzz.ctl");
    if (!keys.problem.empty() &&
        (keys.problem.rfind("fuzz.ctl:", 0) != 0 || !keys.bindings.empty())) {
        std::abort();
    }
    std::map<std::uint32_t, std::uint8_t> gameKeyOf;
    for (const platform::KeyBinding& binding : keys.bindings) {
        if (gameKeyOf.emplace(binding.realKey, binding.gameKey).first->second != binding.gameKey) {
            std::abort();
        }
    }
    return 0;
}
