#include "platform/headless/headless_backend.h"

#include <cstdio>

#include "platform/core/display/screen_format.h"
#include "platform/core/platform.h"

namespace platform {

HeadlessBackend::HeadlessBackend(const Options& options)
    : rgb555_(options.rgb555), noSound_(options.noSound) {
    for (const FailureRequest& request : options.failures) failures_.Add(request);
    if (!options.keysFile.empty()) keyScript_ = KeyScript::Load(options.keysFile);
    if (!options.audioOutFile.empty()) {
        soundFile_ = std::make_unique<ClockedSoundFile>(options.audioOutFile, clock_.Now());
    }
}

HeadlessBackend::~HeadlessBackend() {
    FinishSoundFile();
}

bool HeadlessBackend::FinishSoundFile() {
    return !soundFile_ || soundFile_->Finish(clock_.Now());
}

void HeadlessBackend::EndOfFrame(std::uint32_t frame) {
    Platform& platform = Current();
    for (const ScriptEvent& event : keyScript_.EventsAt(frame)) platform.DeliverEvent(event);
}

void HeadlessBackend::ReadKeys(KeyState& keys) {
    keyScript_.AddKeysDown(Current().frame(), keys);
    for (std::size_t code = 0; code < keys.size(); ++code) keys[code] |= heldKeys_[code];
}

bool HeadlessBackend::OpenWindow(const std::string& /*title*/, std::uint16_t width,
                                 std::uint16_t height) {
    windowOpen_ = true;
    windowWidth_ = width;
    windowHeight_ = height;
    return true;
}

// Nobody is there to press a button: the text goes to standard error and the
// game goes on at once.
void HeadlessBackend::ShowMessageBox(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    messageBoxes_.push_back(text);
}

PixelFormat HeadlessBackend::ScreenFormat() const {
    return rgb555_ ? kFormat555 : kFormat565;
}

HRESULT HeadlessBackend::SetDisplayMode(std::uint16_t width, std::uint16_t height) {
    modeWidth_ = width;
    modeHeight_ = height;
    modeRestored_ = false;
    return S_OK;
}

void HeadlessBackend::Present(const MemorySurface& /*front*/) {
    ++presents_;
    clock_.AdvanceToNextRefresh();
}

void HeadlessBackend::TextDrawn(const TextOutput& output) {
    if (!recordTexts_) return;
    texts_.push_back({output.surface, output.x, output.y, std::string(output.text), output.color});
}

HRESULT HeadlessBackend::CreateSoundDevice(std::unique_ptr<SoundDevice>& device) {
    if (HRESULT failure = failures_.Call("dsound.create"); Failed(failure)) return failure;
    if (noSound_) {
        device = silence_.MakeDevice(kNoSoundReason);
    } else {
        device = std::make_unique<HeadlessSoundDevice>(sound_, soundFile_.get());
    }
    return S_OK;
}

}  // namespace platform
