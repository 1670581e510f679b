#include "config/settings.h"

#include <array>
#include <cstring>

#include "config/profile_file.h"
#include "platform/api/system.h"

std::string ProgramDirectory;
std::map<std::string, std::string> ControlValues;
std::vector<ProfileFile::Line> ControlKeyLines;

std::int32_t Settings::hres = 800;
std::int32_t Settings::vres = 600;
std::int32_t Settings::maxBulletsPlayer = 1;
std::int32_t Settings::maxBulletsEnemy = 3;
std::int32_t Settings::shieldCount = 3;
std::int32_t Settings::shieldLife = 3000;
std::int32_t Settings::damagePlayer = 10;
std::int32_t Settings::damageEnemy = 10;
std::int32_t Settings::damageRoamie = 20;

namespace {

struct ControlKey {
    const char* section;
    const char* key;
    const char* defaultText;
};

constexpr std::array<ControlKey, 16> kControlKeys = {{
    {"VIDEO", "HRES", "800"},
    {"VIDEO", "VRES", "600"},
    {"INPUT", "GAMEPAD", "0"},
    {"RESOURCES", "RESOURCEPATH", "RESOURCES"},
    {"GAMEPLAY", "GODMODE", "0"},
    {"GAMEPLAY", "DAMAGEPLAYER", "10"},
    {"GAMEPLAY", "DAMAGEENEMY", "10"},
    {"GAMEPLAY", "DAMAGEROAMIE", "20"},
    {"GAMEPLAY", "SHIELDLIFE", "3000"},
    {"GAMEPLAY", "SHIELDCOUNT", "3"},
    {"GAMEPLAY", "MAXBULLETSPLAYER", "1"},
    {"GAMEPLAY", "MAXBULLETSENEMY", "3"},
    {"GAMEPLAY", "POWERUPHEALTH", "30"},
    {"GAMEPLAY", "POWERUPSHIELD", "1"},
    {"GAMEPLAY", "POWERUPRAPIDFIRE", "3"},
    {"DEBUG", "FILEOUTPUT", "0"},
}};

}  // namespace

std::string DirectoryOf(const std::string& path) {
    std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return ".";  // no directory part: the current one
    if (separator == 0) return path.substr(0, 1);
    return path.substr(0, separator);
}

std::string FindProgramDirectory(const char* firstArgument) {
    std::string executable = platform::ExecutablePath();
    if (!executable.empty()) return DirectoryOf(executable);
    return DirectoryOf(firstArgument != nullptr ? firstArgument : "");
}

void ReadControlFile() {
    ProfileFile profile =
        ProfileFile::Load(platform::TranslatePath(ProgramDirectory + "\\quorlat.ctl"));
    for (const ControlKey& entry : kControlKeys) {
        ControlValues.insert(
            {entry.key, profile.Lookup(entry.section, entry.key, entry.defaultText)});
    }
    ControlKeyLines = profile.Section("KEYS");
}

void ApplyControlValues() {
    Settings::hres = DecimalValue(ControlValues["HRES"]);
    Settings::vres = DecimalValue(ControlValues["VRES"]);
    Settings::damagePlayer = DecimalValue(ControlValues["DAMAGEPLAYER"]);
    Settings::damageEnemy = DecimalValue(ControlValues["DAMAGEENEMY"]);
    Settings::damageRoamie = DecimalValue(ControlValues["DAMAGEROAMIE"]);
    Settings::maxBulletsPlayer = DecimalValue(ControlValues["MAXBULLETSPLAYER"]);
    Settings::maxBulletsEnemy = DecimalValue(ControlValues["MAXBULLETSENEMY"]);
    Settings::shieldCount = DecimalValue(ControlValues["SHIELDCOUNT"]);
    Settings::shieldLife = DecimalValue(ControlValues["SHIELDLIFE"]);
}

std::int32_t DecimalValue(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::strchr(" \t\n\v\f\r", text[i]) != nullptr && text[i] != '\0')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

void ResetConfiguration() {
    ProgramDirectory.clear();
    ControlValues.clear();
    for (const ControlKey& entry : kControlKeys) ControlValues[entry.key] = entry.defaultText;
    ApplyControlValues();
    ControlValues.clear();
    ControlKeyLines.clear();
}
