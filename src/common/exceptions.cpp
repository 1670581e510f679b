#include "common/exceptions.h"

#include <cstring>

#include "platform/api/codes.h"

namespace {

struct CodeText {
    platform::HRESULT code;
    const char* text;
};

constexpr CodeText kCodeTexts[] = {
    {platform::DDERR_OUTOFVIDEOMEMORY, "Out of Video Memory"},
    {platform::DDERR_SURFACEBUSY, "Surface busy"},
    {platform::DDERR_SURFACELOST, "Lost surface"},
    {platform::DDERR_WASSTILLDRAWING, "Was still drawing"},
    {platform::DDERR_PRIMARYSURFACEALREADYEXISTS, "Primary Surface Already Exists"},
    {platform::DDERR_HWNDALREADYSET, "HWND is already set"},
    {platform::DDERR_EXCLUSIVEMODEALREADYSET, "Exclusive mode is already set"},
    {platform::DDERR_INVALIDPIXELFORMAT, "Invalid Pixel Format"},
    {platform::DDERR_INVALIDCAPS, "Invalid Caps"},
    {platform::DDERR_INVALIDMODE, "Invalid mode"},
    {platform::DDERR_INVALIDOBJECT, "Invalid Object"},
    {platform::DDERR_INCOMPATIBLEPRIMARY, "Incompatible Primary"},
    {platform::E_NOTIMPL, "Unsupported operation"},
    {platform::E_OUTOFMEMORY, "Out of memory"},
    {platform::E_INVALIDARG, "Invalid params"},
};

void CopyText(char (&destination)[80], const char* source) {
    std::strncpy(destination, source, sizeof destination - 1);
    destination[sizeof destination - 1] = '\0';
}

}  // namespace

user_exception::user_exception(const char* message) {
    CopyText(text, message);
}

const char* user_exception::GetText() {
    return text;
}

direct_exception::direct_exception(std::int32_t code) : code(code) {}

const char* direct_exception::GetText() {
    const char* message = "Unknown error";
    for (const CodeText& entry : kCodeTexts) {
        if (entry.code == code) message = entry.text;
    }
    CopyText(text, message);
    return text;
}
