// The sound device, the three loaded sounds, and how an effect is played.
#pragma once

#include <memory>

#include "platform/api/sound.h"

class SoundManager {
public:
    // Creates the device and sets its cooperative level; throws
    // direct_exception, or user_exception for any other failure.
    bool InitSound(platform::WindowHandle window, std::uint32_t level);
    // A copy of source that shares its samples, into copy; always true.
    bool DuplicateSound(platform::SoundBuffer* source, platform::SoundBuffer*& copy);
    // Loads a WAV file into a new buffer (the WAV reader).
    bool LoadWave(const char* path, platform::SoundBuffer*& buffer);

    platform::WindowHandle window = 0;
    std::unique_ptr<platform::SoundDevice> device;  // owns every buffer and copy
};

extern std::unique_ptr<SoundManager> theSoundManager;
extern platform::SoundBuffer* introSound;
extern platform::SoundBuffer* cannonSound;
extern platform::SoundBuffer* shieldSound;

// Releases the device, which takes every buffer and copy with it, and
// forgets the three sounds, so that nothing points at a freed buffer.
void ReleaseSound();

// Plays an effect as every caller does: a fresh copy started once, so that
// plays overlap. A sound that never loaded stays silent.
void PlayEffect(platform::SoundBuffer* effect);
