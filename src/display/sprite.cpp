#include "display/sprite.h"

#include <cstring>

#include "common/exceptions.h"
#include "display/draw_manager.h"
#include "display/image_loader.h"
#include "platform/api/system.h"

using platform::Failed;
using platform::HRESULT;

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
    if (!visible) return;

    // The animation clock adds the time since this sprite's previous visible
    // draw (nothing on the first). Counting only the time spent inside Draw,
    // as the old rule did, never steps at all now: a blit takes microseconds,
    // so explosions would hold their first frame for ever. At 60 frames a
    // second a frameDelay of 1 ms now steps on every draw.
    std::uint32_t now = platform::TimeGetTime();
    if (clockStarted) animElapsed += now - drawStartTime;
    clockStarted = true;
    drawStartTime = now;

    if (animate && animElapsed > frameDelay) {
        curFrame = static_cast<std::uint16_t>(curFrame + 1);
        if (curFrame > lastFrame) curFrame = firstFrame;
        animElapsed = 0;
    }

    // A frame index past the list (no frames yet, or a range beyond them)
    // draws nothing instead of reading past the list.
    if (curFrame < frames.size() && imageSurface) {
        const FrameRect& frame = frames[curFrame];
        platform::Rect source{frame.left, frame.top, frame.right, frame.bottom};
        platform::Rect destination{x, y, std::int32_t{x} + width, std::int32_t{y} + height};
        std::uint32_t key = PackColor(0, 0, 0);
        target.BltColorKeyed(destination, *imageSurface, source, key);
    }

    if (curFrame == stopFrame) visible = false;
}
