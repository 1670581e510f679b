// The headless backend: no window, no screen, no audio output. Its clock is
// virtual, failures can be asked for at any platform step, and what the game
// showed, played and said can be read back by tests.
#pragma once

#include <string>
#include <vector>

#include "platform/api/options.h"
#include "platform/core/backend.h"
#include "platform/core/sound/sound_device.h"
#include "platform/headless/clocked_sound_file.h"
#include "platform/headless/failure_plan.h"
#include "platform/headless/headless_sound.h"
#include "platform/headless/key_script.h"
#include "platform/headless/virtual_clock.h"

namespace platform {

class HeadlessBackend : public Backend {
public:
    // Throws BackendError when the key script cannot be read or has a bad
    // line, or when the sound file (--audio-out) cannot be written.
    explicit HeadlessBackend(const Options& options);
    // Writes the sound file up to the end of the run.
    ~HeadlessBackend() override;
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    std::uint32_t Now() override { return clock_.Now(); }
    void Sleep(std::uint32_t milliseconds) override { clock_.Advance(milliseconds); }

    bool OpenWindow(const std::string& title, std::uint16_t width, std::uint16_t height) override;
    void CloseWindow() override { windowOpen_ = false; }
    void PumpEvents() override {}
    void IdleWait() override { clock_.Advance(1); }
    void SetCursorVisible(bool /*visible*/) override {}
    void ShowMessageBox(const std::string& text, const std::string& caption) override;

    HRESULT InjectedFailure(std::string_view step) override { return failures_.Call(step); }
    // Posts the key script's events of the frame, in file order.
    void EndOfFrame(std::uint32_t frame) override;
    // The script's keys of the frame being read, and the keys a test holds.
    void ReadKeys(KeyState& keys) override;

    PixelFormat ScreenFormat() const override;
    HRESULT SetDisplayMode(std::uint16_t width, std::uint16_t height) override;
    void RestoreDisplayMode() override { modeRestored_ = true; }
    // No screen to wait for: the virtual clock moves to the next refresh.
    void Present(const MemorySurface& front) override;
    void TextDrawn(const TextOutput& output) override;

    HRESULT CreateSoundDevice(std::unique_ptr<SoundDevice>& device) override;
    bool SoundFileFailed() const override { return soundFile_ && soundFile_->failed(); }
    // Writes the sound up to the end of the run.
    bool FinishSoundFile() override;

    // For tests.
    VirtualClock& clock() { return clock_; }
    FailurePlan& failures() { return failures_; }
    bool windowOpen() const { return windowOpen_; }
    std::uint16_t windowWidth() const { return windowWidth_; }
    std::uint16_t windowHeight() const { return windowHeight_; }
    const std::vector<std::string>& messageBoxes() const { return messageBoxes_; }
    void SetKeyScript(KeyScript script) { keyScript_ = std::move(script); }
    // Keys held down (or let go) until a test says otherwise, on top of the script's.
    void HoldKey(std::uint8_t code, bool down = true) { heldKeys_[code] = down ? KEY_DOWN : 0; }
    void ReleaseAllKeys() { heldKeys_.fill(0); }
    // Every play and the last buffer description, of every sound device made.
    const SoundRecord& sound() const { return *sound_; }
    std::uint16_t modeWidth() const { return modeWidth_; }
    std::uint16_t modeHeight() const { return modeHeight_; }
    bool modeRestored() const { return modeRestored_; }
    std::uint32_t presents() const { return presents_; }
    // Text outputs are kept only when asked for (a long run would pile them up).
    struct TextRecord {
        const Surface* surface = nullptr;
        std::int32_t x = 0;
        std::int32_t y = 0;
        std::string text;
        COLORREF color = 0;
    };
    void RecordTexts(bool record) { recordTexts_ = record; }
    const std::vector<TextRecord>& texts() const { return texts_; }

private:
    VirtualClock clock_;
    FailurePlan failures_;
    bool windowOpen_ = false;
    std::uint16_t windowWidth_ = 0;
    std::uint16_t windowHeight_ = 0;
    std::vector<std::string> messageBoxes_;
    KeyScript keyScript_;
    KeyState heldKeys_{};
    // Shared with the devices, so that it outlives them and they it.
    std::shared_ptr<SoundRecord> sound_ = std::make_shared<SoundRecord>();
    bool rgb555_ = false;
    bool noSound_ = false;
    SilentSound silence_;
    std::unique_ptr<ClockedSoundFile> soundFile_;  // with --audio-out; outlives the devices
    std::uint16_t modeWidth_ = 0;
    std::uint16_t modeHeight_ = 0;
    bool modeRestored_ = false;
    std::uint32_t presents_ = 0;
    bool recordTexts_ = false;
    std::vector<TextRecord> texts_;
};

}  // namespace platform
