#include "game/Game.h"

#include "settings/SettingsManager.h"
#include "game/GameScore.h"
#include "game/ScreenMessage.h"
#include "world/objects/Insect.h"
#include "world/objects/InsectFactory.h"

// --- the level's insects ---

void Game::ResetInsects() {
    insects_.clear();
    InsectFactory& factory = InsectFactory::Instance();
    factory.Reset();
    const int initial = SettingsManager::Instance().GetInt("numInitialInsects");
    for (int i = 0; i < initial; ++i) factory.Spawn(insects_, *this);
}

void Game::UpdateInsects(float dt) { InsectFactory::Instance().UpdateInsects(dt, insects_, *this); }

// --- what the frog and the insects report ---

void Game::OnTruckToTruck() {
    GameScore::Instance().AddTruckToTruck();
    ScreenMessage& message = ScreenMessage::Instance();
    message.Show(message.Fixed().truckToTruck1, message.Fixed().truckToTruck2);
}

void Game::OnFrogTimedOut() {
    ScreenMessage& message = ScreenMessage::Instance();
    message.Show(message.Fixed().timeUp1, message.Fixed().timeUp2);
}

void Game::CatchInsects(Frog& frog) { InsectFactory::CatchInsects(insects_, frog); }

void Game::OnInsectEaten(int kind, IntPoint viewPosition) {
    GameScore::Instance().AddInsect(kind, viewPosition.x, viewPosition.y);
}

void Game::OnInsectPierced(IntPoint viewPosition) { GameScore::Instance().AddPiercing(viewPosition.x, viewPosition.y); }
