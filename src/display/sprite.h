// Every drawable thing of the game: a position, its own copy of an image,
// frame rectangles cut from it, and an animation clock.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/api/display.h"

class DrawManager;
struct ImageBuffer;

struct FrameRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;   // exclusive
    std::int32_t bottom = 0;  // exclusive
};

class Sprite {
public:
    explicit Sprite(DrawManager* manager);
    virtual ~Sprite();

    // Copies the image into the sprite's own surface; throws user_exception
    // or direct_exception.
    bool SetImage(const ImageBuffer* buffer);
    void AddFrame(std::uint16_t x, std::uint16_t y, std::uint16_t w, std::uint16_t h);
    void SetAnimRange(std::uint16_t first, std::uint16_t last);
    void MoveBy(std::uint16_t dx, std::uint16_t dy);
    // Draws the current frame when it lies wholly on the target, and
    // nothing otherwise.
    void Draw(platform::Surface& target);
    // Draws the part of the current frame that lies on the target, reading
    // the position as signed: a sprite placed just past the left or top edge
    // has wrapped to a large coordinate, and starts off the screen instead.
    void DrawClipped(platform::Surface& target);

    std::uint16_t x = 0;
    std::uint16_t y = 0;
    std::int16_t velX = 0;
    std::int16_t velY = 0;
    std::uint16_t height = 0;
    std::uint16_t width = 0;
    std::uint16_t curFrame = 0;
    std::uint16_t firstFrame = 0;
    std::uint16_t lastFrame = 0;
    std::uint16_t stopFrame = 0xFFFF;
    std::unique_ptr<platform::Surface> imageSurface;
    std::vector<FrameRect> frames;
    DrawManager* manager = nullptr;
    // The animation clock counts the time from one visible draw to the next
    // (see Draw): drawStartTime is the clock reading of the last visible
    // draw, meaningful once clockStarted is set by the first one.
    std::uint32_t drawStartTime = 0;
    std::uint32_t animElapsed = 0;
    std::uint16_t frameDelay = 0;
    bool animate = false;
    bool visible = true;
    bool clockStarted = false;

private:
    void DrawFrame(platform::Surface& target, bool clipToTarget);
    void StepAnimation();
};
