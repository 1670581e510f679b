// The player's shield: a limited number of timed barriers that absorb
// enemy shots and roamies.
#pragma once

// Raises a lowered shield (using one up) or lowers a raised one; with no
// shields left it can only lower.
void ToggleShield();
// The barrier goes wherever the ship is, with a 22-pixel margin on the left
// and top; call it before the shield is drawn or tested.
void PlaceShieldOverPlayer();
