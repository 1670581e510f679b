// The keyboard as a 256-byte key-down state in scan codes.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/api/codes.h"
#include "platform/api/window.h"

namespace platform {

// A key is down when bit 7 of its byte is set.
using KeyState = std::array<std::uint8_t, 256>;
constexpr std::uint8_t KEY_DOWN = 0x80;

namespace scancode {
constexpr std::uint8_t Escape = 0x01;
constexpr std::uint8_t Digit1 = 0x02;  // 1 to 9 follow, then 0 at 0x0B
constexpr std::uint8_t Digit0 = 0x0B;
constexpr std::uint8_t Q = 0x10;
constexpr std::uint8_t W = 0x11;
constexpr std::uint8_t E = 0x12;
constexpr std::uint8_t R = 0x13;
constexpr std::uint8_t T = 0x14;
constexpr std::uint8_t Y = 0x15;
constexpr std::uint8_t U = 0x16;
constexpr std::uint8_t I = 0x17;
constexpr std::uint8_t O = 0x18;
constexpr std::uint8_t P = 0x19;
constexpr std::uint8_t Return = 0x1C;
constexpr std::uint8_t A = 0x1E;
constexpr std::uint8_t S = 0x1F;
constexpr std::uint8_t D = 0x20;
constexpr std::uint8_t F = 0x21;
constexpr std::uint8_t G = 0x22;
constexpr std::uint8_t H = 0x23;
constexpr std::uint8_t J = 0x24;
constexpr std::uint8_t K = 0x25;
constexpr std::uint8_t L = 0x26;
constexpr std::uint8_t Z = 0x2C;
constexpr std::uint8_t X = 0x2D;
constexpr std::uint8_t C = 0x2E;
constexpr std::uint8_t V = 0x2F;
constexpr std::uint8_t B = 0x30;
constexpr std::uint8_t N = 0x31;
constexpr std::uint8_t M = 0x32;
constexpr std::uint8_t Space = 0x39;
constexpr std::uint8_t Up = 0xC8;
constexpr std::uint8_t Left = 0xCB;
constexpr std::uint8_t Right = 0xCD;
constexpr std::uint8_t Down = 0xD0;
}  // namespace scancode

constexpr std::uint32_t DISCL_NONEXCLUSIVE = 0x2;
constexpr std::uint32_t DISCL_FOREGROUND = 0x4;

class KeyboardDevice {
public:
    virtual ~KeyboardDevice() = default;
    virtual HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t flags) = 0;
    // The standard keyboard format: 256 one-byte key states.
    virtual HRESULT SetDataFormat() = 0;
    virtual HRESULT Acquire() = 0;
    // E_NOTACQUIRED after the window lost the foreground, until acquired again.
    virtual HRESULT GetDeviceState(KeyState& keys) = 0;
};

class InputSystem {
public:
    virtual ~InputSystem() = default;
    virtual HRESULT CreateKeyboard(std::unique_ptr<KeyboardDevice>& keyboard) = 0;
};

HRESULT CreateInputSystem(std::unique_ptr<InputSystem>& input);

// A key of the real keyboard by its usual name ("Left", "Space", "S",
// "Keypad 4", "Left Ctrl"; in any case), as a number that tells keys apart;
// none for a name that is no key.
std::optional<std::uint32_t> RealKeyByName(std::string_view name);

// A real key that reads as one of the game's keys.
struct KeyBinding {
    std::uint32_t realKey = 0;  // from RealKeyByName
    std::uint8_t gameKey = 0;   // a scan code
};

// From now on the real keyboard is read through the bindings, before
// anything else sees it: a bound key reads as its game key, and a game key
// that has bindings is read from them alone (the real key that read as it
// before reads as nothing, unless bound itself). Key scripts name the
// game's keys, so a headless run reads them as they are.
void BindKeys(const std::vector<KeyBinding>& bindings);

// The waits a player may cut short, the title's fades and the farewell: a
// press of a key, a game-controller button or a mouse button ends them.
// The title's wait begins with the run; BeginSkippableWait starts another,
// forgetting the presses before it. SkipRequested says whether a press came
// since (and stays true until the next wait begins).
void BeginSkippableWait();
bool SkipRequested();

}  // namespace platform
