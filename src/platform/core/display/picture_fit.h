// Where the game's picture goes on a screen or window of another size: as
// large as fits with its aspect kept, centred, the rest left black. Pure
// geometry, in the output's pixels.
#pragma once

namespace platform {

struct PictureRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool operator==(const PictureRect&) const = default;
};

// The picture's place on the output. With integerScale it is shown at the
// largest whole multiple of its size that fits, so that every picture pixel
// is the same square of output pixels; an output smaller than the picture
// has no such multiple, and then the picture is scaled down to fit as
// without it. Empty when either size is not positive.
PictureRect FitPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight,
                       bool integerScale);

// True when the picture is shown at a whole multiple of its size, where
// nearest-pixel scaling keeps it sharp; any other scale is better smoothed.
bool WholeMultiple(const PictureRect& shown, int pictureWidth, int pictureHeight);

struct PicturePoint {
    int x = 0;
    int y = 0;
};

// The picture pixel under an output pixel; a point on the black border, or
// past the picture's last pixel, is taken to the nearest edge of the picture.
PicturePoint PictureAt(const PictureRect& shown, int pictureWidth, int pictureHeight, int outputX,
                       int outputY);

}  // namespace platform
