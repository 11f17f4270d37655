#include "game/PadLetters.h"

#include "game/HighScore.h"

namespace {

std::string MakeOrder() {
    std::string order;
    auto add = [&order](int code) {
        if (HighScore::IsAllowedChar(code) && order.find(static_cast<char>(code)) == std::string::npos) {
            order += static_cast<char>(code);
        }
    };
    for (int c = 'A'; c <= 'Z'; ++c) add(c);
    for (int c : {0xC4, 0xD6, 0xDC}) add(c);  // Ä Ö Ü
    for (int c = 'a'; c <= 'z'; ++c) add(c);
    for (int c : {0xE4, 0xF6, 0xFC, 0xDF}) add(c);  // ä ö ü ß
    for (int c = '0'; c <= '9'; ++c) add(c);
    add(' ');
    for (int c = 33; c <= 255; ++c) add(c);  // whatever else a name may hold
    return order;
}

}  // namespace

const std::string& PadLetters::Order() {
    static const std::string order = MakeOrder();
    return order;
}

int PadLetters::Step(int code, int steps) {
    const std::string& order = Order();
    const size_t at = order.find(static_cast<char>(code));
    if (code < 0 || code > 255 || at == std::string::npos) return static_cast<unsigned char>(order.front());
    const int size = static_cast<int>(order.size());
    const int next = ((static_cast<int>(at) + steps) % size + size) % size;
    return static_cast<unsigned char>(order[static_cast<size_t>(next)]);
}
