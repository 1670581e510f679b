#include "platform/core/scan_codes.h"

#include <array>

#include "platform/api/input.h"

namespace platform {

std::optional<std::uint8_t> LetterScanCode(char letter) {
    namespace sc = scancode;
    static constexpr std::array<std::uint8_t, 26> kLetters = {
        sc::A, sc::B, sc::C, sc::D, sc::E, sc::F, sc::G, sc::H, sc::I, sc::J, sc::K, sc::L, sc::M,
        sc::N, sc::O, sc::P, sc::Q, sc::R, sc::S, sc::T, sc::U, sc::V, sc::W, sc::X, sc::Y, sc::Z};
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') return std::nullopt;
    return kLetters[static_cast<std::size_t>(letter - 'A')];
}

std::optional<std::uint8_t> DigitScanCode(char digit) {
    if (digit < '0' || digit > '9') return std::nullopt;
    // The top row runs 1 to 9 and then 0.
    if (digit == '0') return scancode::Digit0;
    return static_cast<std::uint8_t>(scancode::Digit1 + (digit - '1'));
}

}  // namespace platform
