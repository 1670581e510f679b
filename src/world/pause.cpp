#include "world/pause.h"

#include <memory>

#include "common/debug_log.h"
#include "common/game_clock.h"
#include "display/draw_manager.h"
#include "display/text_overlay.h"
#include "sound/sound_manager.h"

bool gamePaused = false;

namespace {

// The picture on the screen when the game stopped.
std::unique_ptr<platform::Surface> pausedPicture;

platform::Rect Whole(const platform::Surface& surface) {
    return {0, 0, surface.Width(), surface.Height()};
}

// A colour-keyed copy onto black is a plain copy: black is the key.
void CopyPicture(platform::Surface& from, platform::Surface& to) {
    to.ColorFill(0);
    to.BltColorKeyed(Whole(to), from, Whole(from), 0);
}

void HoldSounds(bool hold) {
    if (theSoundManager && theSoundManager->device) theSoundManager->device->HoldAll(hold);
}

// The picture the screen shows now, kept; none when there is no display or
// no room for a copy (the paused frames are then black under their word).
void KeepPicture() {
    platform::Surface* primary = theDrawManager.primary.get();
    if (primary == nullptr || !theDrawManager.directDraw) return;
    if (!pausedPicture || pausedPicture->Width() != primary->Width() ||
        pausedPicture->Height() != primary->Height()) {
        pausedPicture.reset();
        theDrawManager.directDraw->CreateSurface(primary->Width(), primary->Height(),
                                                 pausedPicture);
    }
    if (pausedPicture) CopyPicture(*primary, *pausedPicture);
}

}  // namespace

void PauseGame() {
    if (gamePaused) return;
    gamePaused = true;
    StopGameClock();
    HoldSounds(true);
    KeepPicture();
    DebugLog("paused");
}

void ResumeGame() {
    if (!gamePaused) return;
    gamePaused = false;
    StartGameClock();
    HoldSounds(false);
    DebugLog("resumed");
}

void ShowPausedFrame() {
    platform::Surface* target = theDrawManager.backBuffer;
    if (target == nullptr) return;
    if (pausedPicture) {
        CopyPicture(*pausedPicture, *target);
    } else {
        target->ColorFill(0);
    }
    TextPos middle;
    CenterText("PAUSED", &middle);
    DrawOutlinedText(middle.x, middle.row, "PAUSED", target);
    theDrawManager.primary->Flip(*target);
}

void ResetPause() {
    gamePaused = false;
    pausedPicture.reset();
    ResetGameClock();
}
