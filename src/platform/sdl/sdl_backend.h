// The backend a player runs: a real window (desktop full screen unless asked
// for a window), the system's events, the keyboard and game controllers, the
// real clock.
#pragma once

#include <memory>
#include <string>

#include "platform/api/options.h"
#include "platform/core/backend.h"
#include "platform/core/display/sdl_handles.h"
#include "platform/core/sound/sound_device.h"
#include "platform/core/sound/wave_writer.h"
#include "platform/sdl/sdl_gamepads.h"
#include "platform/sdl/sdl_screen.h"

namespace platform {

// SDL's subsystems, started for the backend's lifetime.
class SdlSubsystems {
public:
    explicit SdlSubsystems(Uint32 flags);
    ~SdlSubsystems();
    SdlSubsystems(const SdlSubsystems&) = delete;
    SdlSubsystems& operator=(const SdlSubsystems&) = delete;

private:
    Uint32 flags_;
};

class SdlBackend : public Backend {
public:
    // Throws BackendError when SDL cannot start a video driver, or when the
    // sound file (--audio-out) cannot be written.
    explicit SdlBackend(const Options& options);

    std::uint32_t Now() override { return SDL_GetTicks(); }
    // A sleeping or idling game is a chance to show what it drew straight
    // onto the screen.
    void Sleep(std::uint32_t milliseconds) override;

    bool OpenWindow(const std::string& title, std::uint16_t width, std::uint16_t height) override;
    void CloseWindow() override;
    void PumpEvents() override;
    void IdleWait() override;
    void SetCursorVisible(bool visible) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    void ReadKeys(KeyState& keys) override;

    PixelFormat ScreenFormat() const override;
    HRESULT SetDisplayMode(std::uint16_t width, std::uint16_t height) override;
    void RestoreDisplayMode() override;
    void Present(const MemorySurface& front) override;
    void FrontChanged(const MemorySurface& front) override;

    HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) override;
    bool SoundFileFailed() const override { return soundFile_ && soundFile_->failed(); }
    bool FinishSoundFile() override;

    SDL_Window* window() const { return window_.get(); }
    SDL_Renderer* renderer() const { return renderer_.get(); }

private:
    SDL_Window* MakeWindowed(const std::string& title, std::uint16_t width,
                             std::uint16_t height) const;
    SDL_Window* MakeFullScreen(const std::string& title) const;
    void ToggleFullScreen();
    void HandleEvent(const SDL_Event& event);

    Options options_;
    SdlSubsystems subsystems_;
    // None with --no-gamepad. Closed before SDL itself.
    std::unique_ptr<SdlGamepads> gamepads_;
    SdlWindowPtr window_;
    SdlRendererPtr renderer_;
    std::unique_ptr<SdlScreen> screen_;  // uses renderer_, so goes before it
    // Losing focus only counts once the window has had it: a window that
    // never came to the front has not been deactivated.
    bool hadFocus_ = false;
    std::uint16_t pictureWidth_ = 0;
    std::uint16_t pictureHeight_ = 0;
    SilentSound silence_;
    // With --audio-out: what the first device that plays played.
    std::shared_ptr<WaveWriter> soundFile_;
    bool soundFileTaken_ = false;
};

}  // namespace platform
