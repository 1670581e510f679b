; The golden game's tuning: harder hits and more shots than the defaults,
; so that ships die and come back within a few hundred frames.
[GAMEPLAY]
DAMAGEPLAYER=35
DAMAGEENEMY=25
MAXBULLETSPLAYER=3
MAXBULLETSENEMY=5
SHIELDLIFE=400
