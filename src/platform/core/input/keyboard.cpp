#include "platform/core/input/keyboard.h"

#include <array>

#include "platform/core/input/input_host.h"

namespace platform {
namespace {

constexpr std::uint32_t DISCL_EXCLUSIVE = 0x1;
constexpr std::uint32_t DISCL_BACKGROUND = 0x8;

// Exactly one of exclusive and non-exclusive, and one of foreground and background.
bool ValidCooperation(std::uint32_t flags) {
    bool exclusive = (flags & DISCL_EXCLUSIVE) != 0;
    bool nonExclusive = (flags & DISCL_NONEXCLUSIVE) != 0;
    bool foreground = (flags & DISCL_FOREGROUND) != 0;
    bool background = (flags & DISCL_BACKGROUND) != 0;
    std::uint32_t known =
        DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE | DISCL_FOREGROUND | DISCL_BACKGROUND;
    return exclusive != nonExclusive && foreground != background && (flags & ~known) == 0;
}

}  // namespace

HRESULT Keyboard::SetCooperativeLevel(WindowHandle window, std::uint32_t flags) {
    InputHost& host = TheInputHost();
    if (HRESULT failure = host.InjectedFailure("dinput.cooperative"); Failed(failure)) {
        return failure;
    }
    if (!host.IsWindow(window) || !ValidCooperation(flags)) return E_INVALIDARG;
    return S_OK;
}

HRESULT Keyboard::SetDataFormat() {
    if (HRESULT failure = TheInputHost().InjectedFailure("dinput.format"); Failed(failure)) {
        return failure;
    }
    formatSet_ = true;
    return S_OK;
}

HRESULT Keyboard::Acquire() {
    InputHost& host = TheInputHost();
    if (HRESULT failure = host.InjectedFailure("dinput.acquire"); Failed(failure)) {
        return failure;
    }
    // Without a data format there is nothing to deliver the keys in.
    if (!formatSet_) return E_INVALIDARG;
    acquiredAtLoss_ = host.keyboardLosses();
    return S_OK;
}

bool Keyboard::Acquired() const {
    return acquiredAtLoss_ && *acquiredAtLoss_ == TheInputHost().keyboardLosses();
}

HRESULT Keyboard::GetDeviceState(KeyState& keys) {
    InputHost& host = TheInputHost();
    // Every reading starts a frame, the failed ones too.
    host.NoteKeyboardRead();
    if (HRESULT failure = host.InjectedFailure("dinput.state"); Failed(failure)) {
        return failure;
    }
    if (!Acquired()) return E_NOTACQUIRED;
    keys.fill(0);
    host.ReadKeys(keys);
    return S_OK;
}

HRESULT KeyboardInput::CreateKeyboard(std::unique_ptr<KeyboardDevice>& keyboard) {
    if (HRESULT failure = TheInputHost().InjectedFailure("dinput.device"); Failed(failure)) {
        return failure;
    }
    keyboard = std::make_unique<Keyboard>();
    return S_OK;
}

HRESULT CreateInputSystem(std::unique_ptr<InputSystem>& input) {
    if (HRESULT failure = TheInputHost().InjectedFailure("dinput.create"); Failed(failure)) {
        return failure;
    }
    input = std::make_unique<KeyboardInput>();
    return S_OK;
}

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
