#include "platform/core/display/picture_fit.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

PictureRect Centred(int outputWidth, int outputHeight, int width, int height) {
    return {(outputWidth - width) / 2, (outputHeight - height) / 2, width, height};
}

// The largest picture of the same aspect that fits, rounded to the nearest
// pixel on the side that does not touch the output's edges. 64-bit products:
// a 8192-pixel picture on an 8K output would overflow 32 bits.
PictureRect ScaledToFit(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight) {
    std::int64_t widthLimited = std::int64_t{outputWidth} * pictureHeight;
    std::int64_t heightLimited = std::int64_t{outputHeight} * pictureWidth;
    if (widthLimited <= heightLimited) {
        auto height = static_cast<int>((widthLimited + pictureWidth / 2) / pictureWidth);
        return Centred(outputWidth, outputHeight, outputWidth, std::max(height, 1));
    }
    auto width = static_cast<int>((heightLimited + pictureHeight / 2) / pictureHeight);
    return Centred(outputWidth, outputHeight, std::max(width, 1), outputHeight);
}

}  // namespace

PictureRect FitPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight,
                       bool integerScale) {
    if (outputWidth <= 0 || outputHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) {
        return {};
    }
    int multiple = std::min(outputWidth / pictureWidth, outputHeight / pictureHeight);
    if (integerScale && multiple >= 1) {
        return Centred(outputWidth, outputHeight, pictureWidth * multiple,
                       pictureHeight * multiple);
    }
    return ScaledToFit(outputWidth, outputHeight, pictureWidth, pictureHeight);
}

bool WholeMultiple(const PictureRect& shown, int pictureWidth, int pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || shown.w <= 0) return false;
    return shown.w % pictureWidth == 0 && shown.h % pictureHeight == 0 &&
           shown.w / pictureWidth == shown.h / pictureHeight;
}

PicturePoint PictureAt(const PictureRect& shown, int pictureWidth, int pictureHeight, int outputX,
                       int outputY) {
    if (shown.w <= 0 || shown.h <= 0) return {};
    // The last output pixel of a picture shown smaller than it is still
    // reaches its last pixel: the window's edge is the picture's edge.
    auto scaled = [](int offset, int shownSize, int pictureSize) {
        if (offset >= shownSize - 1) return std::max(pictureSize - 1, 0);
        std::int64_t at = std::int64_t{offset} * pictureSize / shownSize;
        return static_cast<int>(std::clamp<std::int64_t>(at, 0, std::max(pictureSize - 1, 0)));
    };
    return {scaled(outputX - shown.x, shown.w, pictureWidth),
            scaled(outputY - shown.y, shown.h, pictureHeight)};
}

}  // namespace platform
