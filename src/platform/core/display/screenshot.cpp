#include "platform/core/display/screenshot.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cstdio>
#include <memory>

#include "platform/core/display/argb_convert.h"
#include "platform/core/display/display_host.h"
#include "platform/core/display/sdl_handles.h"
#include "platform/core/os/whole_file.h"

namespace platform {
namespace {

struct RwCloser {
    void operator()(SDL_RWops* stream) const { SDL_FreeRW(stream); }
};

// An SDL stream that appends what is written to a string.
std::unique_ptr<SDL_RWops, RwCloser> StringStream(std::string& bytes) {
    std::unique_ptr<SDL_RWops, RwCloser> stream(SDL_AllocRW());
    if (!stream) return stream;
    stream->hidden.unknown.data1 = &bytes;
    stream->write = [](SDL_RWops* self, const void* data, size_t size, size_t count) -> size_t {
        auto* out = static_cast<std::string*>(self->hidden.unknown.data1);
        out->append(static_cast<const char*>(data), size * count);
        return count;
    };
    stream->size = [](SDL_RWops* self) -> Sint64 {
        return static_cast<Sint64>(static_cast<std::string*>(self->hidden.unknown.data1)->size());
    };
    stream->seek = [](SDL_RWops* self, Sint64, int) -> Sint64 {
        return static_cast<Sint64>(static_cast<std::string*>(self->hidden.unknown.data1)->size());
    };
    stream->read = [](SDL_RWops*, void*, size_t, size_t) -> size_t { return 0; };
    stream->close = [](SDL_RWops*) { return 0; };
    return stream;
}

// The surface as an RGB PNG file's bytes; empty, with the reason, when it
// cannot be made.
std::string EncodePng(const MemorySurface& surface, std::string& error) {
    SdlSurfacePtr argb(SDL_CreateRGBSurfaceWithFormat(0, surface.Width(), surface.Height(), 32,
                                                      SDL_PIXELFORMAT_ARGB8888));
    if (!argb) {
        error = SDL_GetError();
        return {};
    }
    ConvertToArgb(surface, static_cast<std::uint32_t*>(argb->pixels), argb->pitch);
    SdlSurfacePtr rgb(SDL_ConvertSurfaceFormat(argb.get(), SDL_PIXELFORMAT_RGB24, 0));
    std::string bytes;
    auto stream = StringStream(bytes);
    if (!rgb || !stream || IMG_SavePNG_RW(rgb.get(), stream.get(), 0) != 0 || bytes.empty()) {
        error = SDL_GetError();
        return {};
    }
    return bytes;
}

}  // namespace

bool SavePng(const MemorySurface& surface, const std::string& path) {
    std::string error;
    std::string png = EncodePng(surface, error);
    if (png.empty()) {
        std::fprintf(stderr, "farhaven: %s: cannot make the screenshot (%s)\n", path.c_str(),
                     error.c_str());
        return false;
    }
    return ReplaceWhole(path, "screenshot", png);
}

void SaveRequestedScreenshot(const Surface& visible) {
    DisplayHost* host = CurrentDisplayHost();
    if (host == nullptr) return;
    const std::string& path = host->screenshotFile();
    const auto* surface = dynamic_cast<const MemorySurface*>(&visible);
    if (path.empty() || surface == nullptr) return;
    if (!SavePng(*surface, path)) host->NoteScreenshotFailed();
}

}  // namespace platform
