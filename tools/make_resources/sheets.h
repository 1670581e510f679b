// The six pictures of the game, each with every figure in the place the
// game cuts it from.
#pragma once

#include "image16.h"

namespace resgen {

Image16 MakeInvaderSheet();  // invader1.tga
Image16 MakeStarSheet();     // stars2.tga
Image16 MakeShipSheet();     // bship.tga
Image16 MakeBulletSheet();   // bullets.tga
Image16 MakeShieldSheet();   // shield2.tga
Image16 MakeBoomSheet();     // boom.tga

}  // namespace resgen
