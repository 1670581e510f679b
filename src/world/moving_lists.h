// What the moving lists (shots and roamies) share: the culling rule and
// the one move of an update.
#pragma once

#include "config/settings.h"
#include "display/sprite.h"

// Hidden, or past the right or bottom edge. A sprite that leaves by the top
// or the left wraps to a coordinate near 65535 and goes by the same rule.
inline bool OutOfPlay(const Sprite& sprite) {
    return !sprite.visible || sprite.x > Settings::hres || sprite.y > Settings::vres;
}

inline void MoveOnce(Sprite& sprite) {
    sprite.MoveBy(static_cast<std::uint16_t>(sprite.velX), static_cast<std::uint16_t>(sprite.velY));
}

// Removes the entries out of play and moves the others once; onRemove runs
// for each entry just before it goes.
template <typename List, typename OnRemove>
void CullAndMove(List& list, OnRemove onRemove) {
    for (auto entry = list.begin(); entry != list.end();) {
        if (OutOfPlay(**entry)) {
            onRemove();
            entry = list.erase(entry);
        } else {
            MoveOnce(**entry);
            ++entry;
        }
    }
}
