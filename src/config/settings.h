// The control file and the settings it yields.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "config/profile_file.h"

// Where the control file lies: the program's directory, or the player's
// folder for an installed game (platform::ControlFileFolder).
extern std::string ProgramDirectory;

// Every key read from the control file with its text, as read.
extern std::map<std::string, std::string> ControlValues;
// The lines of its [KEYS] section, for the player's own keys (key_bindings.h).
extern std::vector<ProfileFile::Line> ControlKeyLines;

struct Settings {
    static std::int32_t hres;
    static std::int32_t vres;
    static std::int32_t maxBulletsPlayer;
    static std::int32_t maxBulletsEnemy;
    static std::int32_t shieldCount;  // shields left; the game counts it down
    static std::int32_t shieldLife;   // ms
    static std::int32_t damagePlayer;
    static std::int32_t damageEnemy;
    static std::int32_t damageRoamie;
};

// The directory part of the program's path: its real path where it can be
// found, else the first argument up to its last separator.
std::string FindProgramDirectory(const char* firstArgument);
// A path up to its last separator, either kind; "." when it has none.
std::string DirectoryOf(const std::string& path);
void ReadControlFile();
void ApplyControlValues();

// Decimal text to a signed 32-bit value as the control file's numbers are read:
// blanks, a sign, digits with 32-bit wrap-around, stop at the first non-digit.
std::int32_t DecimalValue(const std::string& text);

// Back to the state before start-up (tests).
void ResetConfiguration();
