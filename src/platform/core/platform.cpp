#include "platform/core/platform.h"

#include <cstdio>
#include <cstdlib>

#include "platform/core/os/interrupt.h"

namespace platform {
namespace {

Platform* installed = nullptr;

Message EventMessage(WindowHandle window, const ScriptEvent& event) {
    switch (event.kind) {
        case ScriptEvent::Kind::Deactivate:
            return {window, WM_ACTIVATEAPP, 0, 0};
        case ScriptEvent::Kind::Activate:
            return {window, WM_ACTIVATEAPP, 1, 0};
        case ScriptEvent::Kind::Mouse:
            return {window, WM_MOUSEMOVE, 0,
                    static_cast<std::intptr_t>(event.x | (std::uint32_t{event.y} << 16))};
        case ScriptEvent::Kind::Close:
        case ScriptEvent::Kind::Unacquire:
            break;
    }
    return {window, WM_CLOSE, 0, 0};
}

}  // namespace

Platform::Platform(std::unique_ptr<Backend> backend, Options options)
    : backend_(std::move(backend)), options_(std::move(options)) {
    if (!options_.recordFile.empty()) {
        recorder_ = std::make_unique<KeyRecorder>(options_.recordFile);
    }
}

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

void Platform::NoteKeyboardRead() {
    ++frame_;
    if (recorder_) recorder_->BeginFrame(frame_);
}

void Platform::ReadKeys(KeyState& keys) {
    backend_->ReadKeys(keys);
    if (recorder_) recorder_->KeysRead(keys);
}

HRESULT Platform::InjectedFailure(std::string_view step) {
    return backend_->InjectedFailure(step);
}

HRESULT Platform::SetDisplayMode(std::uint16_t width, std::uint16_t height) {
    return backend_->SetDisplayMode(width, height);
}

void Platform::ShowAndWait(const MemorySurface& front) {
    backend_->Present(front);
    NoteFlip();
}

HRESULT Platform::CreateSoundDevice(std::unique_ptr<SoundDevice>& device) {
    return backend_->CreateSoundDevice(device);
}

// What happened is recorded as a replay would have to do it: an event that
// found no window to go to only took the keyboard, if anything.
void Platform::DeliverEvent(const ScriptEvent& event) {
    using Kind = ScriptEvent::Kind;
    bool takesKeyboard = event.kind == Kind::Unacquire || event.kind == Kind::Deactivate;
    bool posted = event.kind != Kind::Unacquire && appWindow_ != 0;
    if (takesKeyboard) NoteKeyboardLost();
    if (posted) queue_.Post(EventMessage(appWindow_, event));
    if (!recorder_) return;
    if (posted) {
        recorder_->EventPosted(event);
    } else if (takesKeyboard) {
        recorder_->EventPosted({Kind::Unacquire, 0, 0});
    }
}

void Platform::EndIfStopped() {
    if (!ending_) {
        bool fileFailed =
            debug_.failed() || (recorder_ && recorder_->failed()) || backend_->SoundFileFailed();
        ending_ = CaughtInterrupt() != 0 || fileFailed;
    }
    if (!ending_ || closeDelivered_ || appWindow_ == 0) return;
    closeDelivered_ = true;
    DeliverEvent({ScriptEvent::Kind::Close, 0, 0});
}

bool Platform::CloseFiles() {
    bool recorded = !recorder_ || recorder_->Close();
    bool sounded = backend_->FinishSoundFile();
    bool logged = debug_.Close();
    return recorded && sounded && logged && !screenshotFailed_;
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

bool Installed() {
    return installed != nullptr;
}

HRESULT InjectedFailure(std::string_view step) {
    return installed != nullptr ? installed->InjectedFailure(step) : S_OK;
}

// The platform is the host of the display, the sound and the keyboard below it.
DisplayHost* CurrentDisplayHost() {
    return installed;
}
DisplayHost& TheDisplayHost() {
    return Current();
}
HRESULT InjectedDisplayFailure(std::string_view step) {
    return InjectedFailure(step);
}
SoundHost& TheSoundHost() {
    return Current();
}
InputHost& TheInputHost() {
    return Current();
}

ScopedPlatform::ScopedPlatform(std::unique_ptr<Backend> backend, Options options)
    : platform_(std::make_unique<Platform>(std::move(backend), std::move(options))) {
    installed = platform_.get();
}

ScopedPlatform::~ScopedPlatform() {
    if (installed == platform_.get()) installed = nullptr;
}

}  // namespace platform
