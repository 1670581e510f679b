// The game's three sounds, as samples in [-1, 1] at kSampleRate.
#pragma once

#include <vector>

namespace resgen {

// impskies.wav: a short minor-key phrase under the title, about 2.7 s.
std::vector<float> MakeIntroPhrase();
// cannon2.wav: a hit, a noise burst closing down through a low-pass, 0.5 s.
std::vector<float> MakeHitBlast();
// electri2.wav: the shield, an electric zap whose buzz rises, 0.6 s.
std::vector<float> MakeShieldZap();

// The loudest any sound gets: clear of full scale.
constexpr float kSoundPeak = 0.84F;

}  // namespace resgen
