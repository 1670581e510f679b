#include "platform/sdl/sdl_backend.h"

#include <cstdio>

#include "platform/core/display/screen_format.h"
#include "platform/core/platform.h"
#include "platform/sdl/sdl_keyboard.h"
#include "platform/sdl/sdl_renderer_choice.h"
#include "platform/sdl/sdl_sound.h"

namespace platform {

SdlSubsystems::SdlSubsystems(Uint32 flags) : flags_(flags) {
    // The platform's own handlers end the game on an interrupt, with every
    // file finished and an exit code that says so.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(flags) != 0) {
        throw BackendError(std::string("cannot open the display (") + SDL_GetError() +
                               "); run with --headless where there is no screen",
                           1);
    }
}

SdlSubsystems::~SdlSubsystems() {
    SDL_QuitSubSystem(flags_);
    SDL_Quit();
}

SdlBackend::SdlBackend(const Options& options)
    : options_(options), subsystems_(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) {
    if (!options.noGamepad) gamepads_ = std::make_unique<SdlGamepads>();
    if (!options.audioOutFile.empty()) {
        soundFile_ = std::make_shared<WaveWriter>(options.audioOutFile, kMixFormat);
    }
}

bool SdlBackend::OpenWindow(const std::string& title, std::uint16_t width, std::uint16_t height) {
    window_.reset(options_.window ? MakeWindowed(title, width, height) : MakeFullScreen(title));
    if (!window_) return false;
    renderer_ = CreateRenderer(window_.get());
    if (!renderer_) {
        window_.reset();
        return false;
    }
    // Whatever the picture does not cover stays black.
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderPresent(renderer_.get());
    screen_ = std::make_unique<SdlScreen>(window_.get(), renderer_.get(), !options_.window,
                                          options_.integerScale);
    pictureWidth_ = width;
    pictureHeight_ = height;
    return true;
}

SDL_Window* SdlBackend::MakeWindowed(const std::string& title, std::uint16_t width,
                                     std::uint16_t height) const {
    return SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                            width * static_cast<int>(options_.scale),
                            height * static_cast<int>(options_.scale),
                            SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE);
}

// The window is made the size of the desktop as well as asked to be full
// screen: without a window manager to honour the request (a bare X server),
// it still covers the screen, and the picture is scaled to it.
SDL_Window* SdlBackend::MakeFullScreen(const std::string& title) const {
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        desktop.w = 800;
        desktop.h = 600;
    }
    return SDL_CreateWindow(
        title.c_str(), 0, 0, desktop.w, desktop.h,
        SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP);
}

// Alt+Enter: full screen to a window of the picture's size and back. The
// game sees nothing of it.
void SdlBackend::ToggleFullScreen() {
    SDL_Window* window = window_.get();
    if (window == nullptr) return;
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        SDL_SetWindowFullscreen(window, 0);
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowResizable(window, SDL_TRUE);
        SDL_SetWindowSize(window, pictureWidth_ * static_cast<int>(options_.scale),
                          pictureHeight_ * static_cast<int>(options_.scale));
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        // Covering the display first, as MakeFullScreen does: without a
        // window manager the request alone leaves the window as it is.
        SDL_Rect display{};
        if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &display) == 0) {
            SDL_SetWindowBordered(window, SDL_FALSE);
            SDL_SetWindowPosition(window, display.x, display.y);
            SDL_SetWindowSize(window, display.w, display.h);
        }
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
}

void SdlBackend::CloseWindow() {
    screen_.reset();
    renderer_.reset();
    window_.reset();
}

void SdlBackend::PumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) HandleEvent(event);
}

void SdlBackend::HandleEvent(const SDL_Event& event) {
    using Kind = ScriptEvent::Kind;
    Platform& platform = Current();
    switch (event.type) {
        case SDL_QUIT:
            platform.DeliverEvent({Kind::Close, 0, 0});
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                hadFocus_ = true;
                platform.DeliverEvent({Kind::Activate, 0, 0});
            } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                // The keyboard only serves the window in front; a window
                // that never had the focus has not been deactivated.
                platform.DeliverEvent({hadFocus_ ? Kind::Deactivate : Kind::Unacquire, 0, 0});
            }
            break;
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_RETURN && (event.key.keysym.mod & KMOD_ALT) != 0 &&
                event.key.repeat == 0) {
                ToggleFullScreen();
            }
            break;
        case SDL_MOUSEMOTION: {
            // The game is told where the mouse is on its picture.
            PicturePoint at = screen_ ? screen_->PictureAt(event.motion.x, event.motion.y)
                                      : PicturePoint{event.motion.x, event.motion.y};
            platform.DeliverEvent(
                {Kind::Mouse, static_cast<std::uint16_t>(at.x), static_cast<std::uint16_t>(at.y)});
            break;
        }
        default:
            if (gamepads_) gamepads_->HandleEvent(event);
            break;
    }
}

void SdlBackend::SetCursorVisible(bool visible) {
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlBackend::ShowMessageBox(const std::string& text, const std::string& caption) {
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(),
                                 window_.get()) != 0) {
        // No way to show a dialog: the player still learns what happened.
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
}

void SdlBackend::Sleep(std::uint32_t milliseconds) {
    Uint64 start = SDL_GetTicks64();
    if (screen_) screen_->PresentPending();
    Uint64 spent = SDL_GetTicks64() - start;
    // A game being ended does not make the player wait for its fades.
    if (Current().ending()) return;
    if (spent < milliseconds) SDL_Delay(static_cast<Uint32>(milliseconds - spent));
}

void SdlBackend::IdleWait() {
    if (screen_) screen_->PresentPending();
    SDL_WaitEventTimeout(nullptr, 1);
}

// A real screen here is always 5-6-5; 5-5-5 is a headless option, for
// testing the game on the other layout.
PixelFormat SdlBackend::ScreenFormat() const {
    return kFormat565;
}

HRESULT SdlBackend::SetDisplayMode(std::uint16_t width, std::uint16_t height) {
    if (!screen_) return E_FAIL;  // the window comes first
    return screen_->SetMode(width, height);
}

void SdlBackend::RestoreDisplayMode() {
    if (screen_) screen_->Restore();
}

void SdlBackend::Present(const MemorySurface& front) {
    if (screen_) screen_->Flip(front);
}

void SdlBackend::FrontChanged(const MemorySurface& front) {
    if (screen_) screen_->FrontChanged(front);
}

// A machine without audio output, or a player who wants quiet, still runs
// the game, in silence; the audio output is not even opened for the latter.
// The sound file, if any, holds what the first device that plays played.
HRESULT SdlBackend::CreateSoundDevice(std::unique_ptr<SoundDevice>& device) {
    std::string whyNot = kNoSoundReason;
    std::unique_ptr<MixingSoundDevice> sound;
    if (!options_.noSound) {
        sound = OpenSdlSoundDevice(whyNot, soundFileTaken_ ? nullptr : soundFile_);
    }
    if (sound) soundFileTaken_ = true;
    if (!sound) sound = silence_.MakeDevice(whyNot);
    device = std::move(sound);
    return S_OK;
}

// Without an audio output nothing was played, so the file holds no sound:
// silence made up by the clock would only pass for a recording of the game.
bool SdlBackend::FinishSoundFile() {
    if (!soundFile_) return true;
    if (!soundFileTaken_) {
        std::fprintf(stderr, "farhaven: %s: no audio output, so no sound was written\n",
                     soundFile_->fileName().c_str());
    }
    bool whole = soundFile_->Close();
    soundFileTaken_ = true;  // said once
    return whole;
}

void SdlBackend::ReadKeys(KeyState& keys) {
    int count = 0;
    const Uint8* sdlState = SDL_GetKeyboardState(&count);
    AddSdlKeysDown(sdlState, count, keys);
    if (gamepads_) gamepads_->AddKeysDown(keys);
}

}  // namespace platform
