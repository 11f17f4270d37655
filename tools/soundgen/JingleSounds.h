#pragma once

#include "Buffer.h"

// Short tunes and interface sounds: fanfares, game over, bonus and lost life, the count-down
// tick, the menu click and the looping high-score jingle.
namespace jingle_sounds {

Buffer LevelFinished();
Buffer LevelFinishedFullLevel();
Buffer GameOver();
Buffer BonusLife();
Buffer LoseLife();
Buffer CountDown();
Buffer MenuClick();
Buffer HighScore();

}  // namespace jingle_sounds
