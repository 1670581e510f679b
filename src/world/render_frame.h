// One frame on the screen: the background, the heads-up line and every
// object in layer order, then the flip. It also makes one of each shot's and
// roamie's two moves of the frame, and turns roamies downward.
#pragma once

void RenderFrame();
