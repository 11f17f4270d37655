#include "game/PadLetters.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/HighScore.h"

namespace {

TEST(PadLettersTest, EveryAllowedCharacterComesOnceAndNothingElse) {
    const std::string& order = PadLetters::Order();
    int allowed = 0;
    for (int code = 0; code <= 255; ++code) {
        const auto count = std::count(order.begin(), order.end(), static_cast<char>(code));
        EXPECT_EQ(count, HighScore::IsAllowedChar(code) ? 1 : 0) << code;
        allowed += HighScore::IsAllowedChar(code) ? 1 : 0;
    }
    EXPECT_EQ(static_cast<int>(order.size()), allowed);
}

TEST(PadLettersTest, StepsThroughCapitalsUmlautsAndWrapsAround) {
    struct Case {
        int from, steps, to;
    };
    const Case cases[] = {
        {'A', 1, 'B'},
        {'Z', 1, 0xC4},
        {0xC4, 1, 0xD6},
        {0xDC, 1, 'a'},
        {'z', 1, 0xE4},
        {0xDF, 1, '0'},
        {'9', 1, ' '},
        {'B', -1, 'A'},
        {'a', -1, 0xDC},
        {'%', 1, 'A'},  // not allowed: the first
        {'A', -1, static_cast<unsigned char>(PadLetters::Order().back())},
        {static_cast<unsigned char>(PadLetters::Order().back()), 1, 'A'},
    };
    for (const Case& c : cases) EXPECT_EQ(PadLetters::Step(c.from, c.steps), c.to) << c.from << " " << c.steps;
}

}  // namespace
