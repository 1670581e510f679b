#include "sound/sound_manager.h"

#include "common/debug_log.h"
#include "common/exceptions.h"

std::unique_ptr<SoundManager> theSoundManager;
platform::SoundBuffer* introSound = nullptr;
platform::SoundBuffer* cannonSound = nullptr;
platform::SoundBuffer* shieldSound = nullptr;

bool SoundManager::InitSound(platform::WindowHandle window, std::uint32_t level) {
    try {
        this->window = window;
        platform::HRESULT result = platform::CreateSoundDevice(device);
        if (platform::Failed(result)) {
            DebugLog("Failed to create direct sound object");
            throw new direct_exception(result);
        }
        device->Compact();
        result = device->SetCooperativeLevel(window, level);
        if (platform::Failed(result)) {
            DebugLog("Failed to set priority");
            throw new direct_exception(result);
        }
        return true;
    } catch (direct_exception*) {
        throw;
    } catch (...) {
        throw new user_exception("Unknown error initializing DirectSound");
    }
}

// The device's answer is not looked at: a refused copy leaves copy as it was.
bool SoundManager::DuplicateSound(platform::SoundBuffer* source, platform::SoundBuffer*& copy) {
    if (device) device->DuplicateSoundBuffer(source, copy);
    return true;
}

void ReleaseSound() {
    if (theSoundManager) {
        theSoundManager->device.reset();
        theSoundManager.reset();
    }
    introSound = nullptr;
    cannonSound = nullptr;
    shieldSound = nullptr;
}

void PlayEffect(platform::SoundBuffer* effect) {
    platform::SoundBuffer* copy = nullptr;
    if (theSoundManager) theSoundManager->DuplicateSound(effect, copy);
    if (copy != nullptr) copy->Play();
}
