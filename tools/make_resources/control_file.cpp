#include "control_file.h"

namespace resgen {

std::string ControlFileText() {
    return R"(; Far Haven control file.
; The game reads this file from its own folder when it starts (an
; installed game: from your own folder, ~/.config/farhaven). Lines that
; begin with a semicolon are comments. A missing file, section or key means
; the default written here; a key with nothing after the equals sign counts
; as 0. Values are whole numbers unless said otherwise.

[VIDEO]
; Screen width and height in pixels.
HRES=800
VRES=600

[INPUT]
; Read but changes nothing: game controllers are played with whenever one
; is plugged in, unless the game is started with --no-gamepad.
GAMEPAD=0

[RESOURCES]
; Read but changes nothing: pictures and sounds always come from the
; resources folder in the folder the game is started from.
RESOURCEPATH=RESOURCES

[GAMEPLAY]
; Read but changes nothing: there is no god mode.
GODMODE=0
; Health the player's shot takes from the mothership per hit (one shot
; always downs a roamie).
DAMAGEPLAYER=10
; Health the player loses to each enemy shot, roamie or brick that hits.
DAMAGEENEMY=10
; Read but changes nothing: a roamie that reaches the player does
; DAMAGEENEMY like everything else.
DAMAGEROAMIE=20
; How long a raised shield lasts, in milliseconds.
SHIELDLIFE=3000
; How many shields the player can raise; they are never given back.
SHIELDCOUNT=3
; How many of the player's shots may be on the screen at once.
MAXBULLETSPLAYER=1
; How many of the mothership's shots may be on the screen at once.
MAXBULLETSENEMY=3
; Read but change nothing: there are no power-ups.
POWERUPHEALTH=30
POWERUPSHIELD=1
POWERUPRAPIDFIRE=3

[DEBUG]
; Read but changes nothing: the debug lines go where the --log option
; says, and nowhere without it.
FILEOUTPUT=0

[KEYS]
; Your own keys: each action takes one or more keys of the keyboard by
; their usual names, separated by commas: Left, Space, S, Keypad 4, Left
; Ctrl, Return, F1 and so on, in any case. An action left out keeps the key
; written here. A name that is no key, or one key given to two actions,
; stops the game at start with the line it is on. Game controllers and key
; scripts are not changed by this section.
LEFT=Left
RIGHT=Right
UP=Up
DOWN=Down
FIRE=Space
SHIELD=S
REVIVE=R
QUIT=Escape
PAUSE=P
)";
}

}  // namespace resgen
