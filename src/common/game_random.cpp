#include "common/game_random.h"

namespace {
std::uint32_t randState = 1;
}

std::int32_t Rand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<std::int32_t>((randState >> 16) & 0x7FFF);
}

void ResetRand() {
    randState = 1;
}
