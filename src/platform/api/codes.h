// Result codes and message numbers that the game and the platform share.
// Failable platform operations return a signed 32-bit result code: 0 for
// success, negative for failure, with the values the game's error texts know.
#pragma once

#include <cstdint>

namespace platform {

using HRESULT = std::int32_t;

constexpr bool Failed(HRESULT code) {
    return code < 0;
}
constexpr HRESULT Code(std::uint32_t bits) {
    return static_cast<HRESULT>(bits);
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_NOTIMPL = Code(0x80004001);
constexpr HRESULT E_FAIL = Code(0x80004005);
constexpr HRESULT E_OUTOFMEMORY = Code(0x8007000E);
constexpr HRESULT E_INVALIDARG = Code(0x80070057);
constexpr HRESULT E_NOTACQUIRED = Code(0x8007000C);  // keyboard lost the foreground

constexpr HRESULT DDERR_INCOMPATIBLEPRIMARY = Code(0x8876005F);
constexpr HRESULT DDERR_INVALIDCAPS = Code(0x88760064);
constexpr HRESULT DDERR_INVALIDMODE = Code(0x88760078);
constexpr HRESULT DDERR_INVALIDOBJECT = Code(0x88760082);
constexpr HRESULT DDERR_INVALIDPIXELFORMAT = Code(0x88760091);
constexpr HRESULT DDERR_INVALIDRECT = Code(0x88760096);
constexpr HRESULT DDERR_OUTOFVIDEOMEMORY = Code(0x8876017C);
constexpr HRESULT DDERR_SURFACEBUSY = Code(0x887601AE);
constexpr HRESULT DDERR_SURFACELOST = Code(0x887601C2);
constexpr HRESULT DDERR_WASSTILLDRAWING = Code(0x8876021C);
constexpr HRESULT DDERR_PRIMARYSURFACEALREADYEXISTS = Code(0x88760234);
constexpr HRESULT DDERR_HWNDALREADYSET = Code(0x8876023B);
constexpr HRESULT DDERR_EXCLUSIVEMODEALREADYSET = Code(0x88760245);

constexpr HRESULT DSERR_BADFORMAT = Code(0x88780064);
constexpr HRESULT DSERR_NODRIVER = Code(0x88780078);

// Window messages the game sends, receives or posts.
constexpr std::uint32_t WM_CREATE = 0x0001;
constexpr std::uint32_t WM_DESTROY = 0x0002;
constexpr std::uint32_t WM_ACTIVATE = 0x0006;
constexpr std::uint32_t WM_PAINT = 0x000F;
constexpr std::uint32_t WM_CLOSE = 0x0010;
constexpr std::uint32_t WM_QUIT = 0x0012;
constexpr std::uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr std::uint32_t WM_MOUSEMOVE = 0x0200;

}  // namespace platform
