// The platform in use: the backend with the shared state above it. There is
// one for the process, installed by the program (or a test) before the game
// runs; the api's free functions work on it. The display, the sound and the
// keyboard below it see it only as their host.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/api/options.h"
#include "platform/core/backend.h"
#include "platform/core/display/display_host.h"
#include "platform/core/display/font.h"
#include "platform/core/input/input_host.h"
#include "platform/core/input/key_recorder.h"
#include "platform/core/input/script_words.h"
#include "platform/core/message_queue.h"
#include "platform/core/os/debug_channel.h"
#include "platform/core/sound/sound_host.h"

namespace platform {

class Platform final : public DisplayHost, public SoundHost, public InputHost {
public:
    // Throws BackendError when the key recording asked for cannot be written.
    Platform(std::unique_ptr<Backend> backend, Options options);

    Backend& backend() { return *backend_; }
    const Options& options() const { return options_; }
    MessageQueue& queue() { return queue_; }
    WindowTable& windows() { return windows_; }
    DebugChannel& debug() { return debug_; }
    // The default font, opened on first use; throws FontError when it cannot be.
    Font& font();

    WindowHandle appWindow() const { return appWindow_; }
    void setAppWindow(WindowHandle window) { appWindow_ = window; }

    bool cursorVisible() const { return cursorVisible_; }
    void setCursorVisible(bool visible);

    // Frames as the platform counts them: frame N begins with the N-th
    // reading of the keyboard state, and what is to happen at its end is
    // posted at its first flip.
    std::uint32_t frame() const { return frame_; }
    void NoteKeyboardRead() override;
    // The keys a successful reading gives the game, recorded as given.
    void ReadKeys(KeyState& keys) override;
    void NoteFlip();

    // What the display, the sound and the keyboard ask of their host.
    HRESULT InjectedFailure(std::string_view step) override;
    PixelFormat ScreenFormat() const override { return backend_->ScreenFormat(); }
    HRESULT SetDisplayMode(std::uint16_t width, std::uint16_t height) override;
    void RestoreDisplayMode() override { backend_->RestoreDisplayMode(); }
    void ShowAndWait(const MemorySurface& front) override;
    void FrontChanged(const MemorySurface& front) override { backend_->FrontChanged(front); }
    void TextDrawn(const TextOutput& output) override { backend_->TextDrawn(output); }
    GlyphCache& glyphs() override;
    const std::string& screenshotFile() const override { return options_.screenshotFile; }
    void NoteScreenshotFailed() override { screenshotFailed_ = true; }
    HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) override;
    bool IsWindow(WindowHandle window) override { return windows_.Procedure(window).has_value(); }

    // A window event from the system or a key script: posted to the
    // application window (losing the focus takes the keyboard with it).
    void DeliverEvent(const ScriptEvent& event);

    // An interrupt, or a file of the player's that can no longer be
    // written, ends the game as the close button does, once there is a
    // window to close: looked for on every look at the message queue.
    void EndIfStopped();
    // Something the player should not wait for (the title's fades, the
    // farewell) is cut short while the game is being ended.
    bool ending() const { return ending_; }
    // Closes the player's files (the key recording, the sound file, the
    // log): false when one could not be written in full.
    bool CloseFiles();

    // The keyboard lost the foreground (or a key script says so): every
    // keyboard device stays unacquired until it is acquired again.
    void NoteKeyboardLost() { ++keyboardLosses_; }
    std::uint32_t keyboardLosses() const override { return keyboardLosses_; }

private:
    std::unique_ptr<Backend> backend_;
    Options options_;
    MessageQueue queue_;
    WindowTable windows_;
    DebugChannel debug_;
    std::unique_ptr<Font> font_;
    std::unique_ptr<GlyphCache> glyphs_;     // refers to font_
    std::unique_ptr<KeyRecorder> recorder_;  // with --record
    WindowHandle appWindow_ = 0;
    bool cursorVisible_ = true;
    std::uint32_t frame_ = 0;
    std::uint32_t frameEnded_ = 0;
    std::uint32_t keyboardLosses_ = 0;
    bool ending_ = false;
    bool closeDelivered_ = false;
    bool screenshotFailed_ = false;
};

// The installed platform. Using the api without one is a programming error
// and aborts with a message.
Platform& Current();
bool Installed();

// The failure that was asked for at a named platform step ("ddraw.lock", ...),
// or S_OK; always S_OK when no platform is installed.
HRESULT InjectedFailure(std::string_view step);

// Installs a platform for its lifetime (the program's main, or one test).
class ScopedPlatform {
public:
    ScopedPlatform(std::unique_ptr<Backend> backend, Options options);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;
    Platform& get() { return *platform_; }

private:
    std::unique_ptr<Platform> platform_;
};

}  // namespace platform
