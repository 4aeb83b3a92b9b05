#include "game/Game/level_music.h"

TLevelMusic LevelMusic;
