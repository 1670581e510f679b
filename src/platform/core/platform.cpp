#include "platform/core/platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
Platform* installed = nullptr;
}  // namespace

Platform::Platform(std::unique_ptr<Backend> backend, Options options)
    : backend_(std::move(backend)), options_(std::move(options)) {}

Font& Platform::font() {
    if (!font_) font_ = std::make_unique<Font>(DefaultFontPath(), kDefaultFontPointSize);
    return *font_;
}

GlyphCache& Platform::glyphs() {
    if (!glyphs_) glyphs_ = std::make_unique<GlyphCache>(font());
    return *glyphs_;
}

void Platform::setCursorVisible(bool visible) {
    cursorVisible_ = visible;
    backend_->SetCursorVisible(visible);
}

void Platform::NoteFlip() {
    if (frame_ == frameEnded_) return;  // only a frame's first flip ends it
    frameEnded_ = frame_;
    backend_->EndOfFrame(frame_);
    if (options_.frames && frame_ == *options_.frames && appWindow_ != 0) {
        queue_.Post({appWindow_, WM_CLOSE, 0, 0});
    }
}

Platform& Current() {
    if (installed == nullptr) {
        std::fputs("farhaven: the platform was used before it was installed\n", stderr);
        std::abort();
    }
    return *installed;
}

bool Installed() { return installed != nullptr; }

HRESULT InjectedFailure(std::string_view step) {
    return installed != nullptr ? installed->backend().InjectedFailure(step) : S_OK;
}

ScopedPlatform::ScopedPlatform(std::unique_ptr<Backend> backend, Options options)
    : platform_(std::make_unique<Platform>(std::move(backend), std::move(options))) {
    installed = platform_.get();
}

ScopedPlatform::~ScopedPlatform() {
    if (installed == platform_.get()) installed = nullptr;
}

}  // namespace platform
