#include "display/sprite.h"

#include <algorithm>
#include <cstring>

#include "common/exceptions.h"
#include "common/game_clock.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"

using platform::Failed;
using platform::HRESULT;

namespace {

// Cuts a one-to-one copy down to the part that lands on a target of the size
// given, taking the same amount off the source's side as off the
// destination's. False when nothing is left: the copy is wholly off the target.
bool ClipToTarget(platform::Rect& destination, platform::Rect& source, std::int32_t width,
                  std::int32_t height) {
    std::int32_t cutLeft = std::max(0, -destination.left);
    std::int32_t cutTop = std::max(0, -destination.top);
    std::int32_t cutRight = std::max(0, destination.right - width);
    std::int32_t cutBottom = std::max(0, destination.bottom - height);
    destination = {destination.left + cutLeft, destination.top + cutTop,
                   destination.right - cutRight, destination.bottom - cutBottom};
    source = {source.left + cutLeft, source.top + cutTop, source.right - cutRight,
              source.bottom - cutBottom};
    return destination.left < destination.right && destination.top < destination.bottom;
}

}  // namespace

Sprite::Sprite(DrawManager* manager) : manager(manager) {}

Sprite::~Sprite() = default;

bool Sprite::SetImage(const ImageBuffer* buffer) {
    // A buffer that claims pixels it does not have is as good as none.
    bool hasPixels =
        buffer != nullptr && (buffer->pixels || buffer->width == 0 || buffer->height == 0);
    if (!hasPixels) throw new user_exception("Invalid buffer!");
    if (manager == nullptr) throw new user_exception("Damn manager is -0-");
    // A manager whose Init never made a device has nothing to make surfaces with.
    if (!manager->directDraw) throw new direct_exception(platform::DDERR_INVALIDOBJECT);

    HRESULT result =
        manager->directDraw->CreateSurface(buffer->width, buffer->height, imageSurface);
    if (Failed(result)) throw new direct_exception(result);
    platform::LockedSurface locked;
    result = imageSurface->Lock(locked);
    if (Failed(result)) throw new direct_exception(result);
    for (std::size_t row = 0; row < buffer->height; ++row) {
        std::memcpy(locked.bits + row * static_cast<std::size_t>(locked.pitch),
                    buffer->pixels.get() + row * buffer->width,
                    std::size_t{buffer->width} * sizeof(std::uint16_t));
    }
    imageSurface->Unlock();
    return true;
}

void Sprite::AddFrame(std::uint16_t x, std::uint16_t y, std::uint16_t w, std::uint16_t h) {
    frames.push_back({x, y, std::int32_t{x} + w, std::int32_t{y} + h});
    width = w;
    height = h;
}

void Sprite::SetAnimRange(std::uint16_t first, std::uint16_t last) {
    lastFrame = last;
    firstFrame = first;
    curFrame = first;
}

void Sprite::MoveBy(std::uint16_t dx, std::uint16_t dy) {
    x = static_cast<std::uint16_t>(x + dx);
    y = static_cast<std::uint16_t>(y + dy);
}

void Sprite::Draw(platform::Surface& target) {
    DrawFrame(target, false);
}

void Sprite::DrawClipped(platform::Surface& target) {
    DrawFrame(target, true);
}

void Sprite::DrawFrame(platform::Surface& target, bool clipToTarget) {
    if (!visible) return;
    StepAnimation();
    // A frame index past the list (no frames yet, or a range beyond them)
    // draws nothing instead of reading past the list.
    if (curFrame < frames.size() && imageSurface) {
        const FrameRect& frame = frames[curFrame];
        platform::Rect source{frame.left, frame.top, frame.right, frame.bottom};
        std::int32_t left = clipToTarget ? std::int32_t{static_cast<std::int16_t>(x)} : x;
        std::int32_t top = clipToTarget ? std::int32_t{static_cast<std::int16_t>(y)} : y;
        platform::Rect destination{left, top, left + width, top + height};
        if (!clipToTarget || ClipToTarget(destination, source, target.Width(), target.Height())) {
            target.BltColorKeyed(destination, *imageSurface, source, PackColor(0, 0, 0));
        }
    }
    if (curFrame == stopFrame) visible = false;
}

// The animation clock adds the time since this sprite's previous visible
// draw (nothing on the first). Counting only the time spent inside Draw, as
// the old rule did, never steps at all now: a blit takes microseconds, so
// explosions would hold their first frame for ever. At 60 frames a second a
// frameDelay of 1 ms now steps on every draw. The game's clock leaves out
// a pause, so an animation goes on after one where it stood.
void Sprite::StepAnimation() {
    std::uint32_t now = GameTime();
    if (clockStarted) animElapsed += now - drawStartTime;
    clockStarted = true;
    drawStartTime = now;

    if (animate && animElapsed > frameDelay) {
        curFrame = static_cast<std::uint16_t>(curFrame + 1);
        if (curFrame > lastFrame) curFrame = firstFrame;
        animElapsed = 0;
    }
}
