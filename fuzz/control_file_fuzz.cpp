// Any control file gives every key a value of at most 254 characters.
#include <cstdint>
#include <cstdlib>
#include <string_view>

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
    return 0;
}
