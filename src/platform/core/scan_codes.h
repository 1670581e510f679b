// Letters and digits in the keyboard's scan codes, which follow the keys'
// places on the board rather than the alphabet.
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// 'A' to 'Z' (either case); none for anything else.
std::optional<std::uint8_t> LetterScanCode(char letter);
// '0' to '9'; none for anything else.
std::optional<std::uint8_t> DigitScanCode(char digit);

}  // namespace platform
