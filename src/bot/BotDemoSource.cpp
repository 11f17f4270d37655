#include "bot/BotDemoSource.h"

bool BotDemoSource::Next(Game& game, std::vector<Replay::Event>& input) {
    for (const BotInput& press : bot_.Decide(game)) {
        Replay::Event event;
        event.kind = press.kind == BotInput::Kind::Char ? Replay::Event::Kind::Char : Replay::Event::Kind::Key;
        event.a = static_cast<int>(press.code);
        input.push_back(event);
    }
    return true;
}
