#include "app/InputScript.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using Kind = InputEvent::Kind;

TEST(InputScriptTest, ReadsEveryEventWithCommentsAndBlankLines) {
    std::istringstream in(
        "# title menu\n"
        "1 key 38\n"
        "\n"
        "2 char 228   # a-umlaut\n"
        "5 down 72 540\n"
        "5 up -3 540\n"
        "7 focus 0\n"
        "9 quit\n");
    std::vector<InputEvent> events;
    std::string error;
    ASSERT_TRUE(ParseInputScript(in, "in.txt", events, error)) << error;
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].kind, Kind::Key);
    EXPECT_EQ(events[0].a, 38);
    EXPECT_EQ(events[1].a, 228);
    EXPECT_EQ(events[2].kind, Kind::Down);
    EXPECT_EQ(events[2].b, 540);
    EXPECT_EQ(events[3].a, -3);
    EXPECT_EQ(events[4].kind, Kind::Focus);
    EXPECT_EQ(events[4].a, 0);
    EXPECT_EQ(events[5].kind, Kind::Quit);
    EXPECT_EQ(events[5].tick, 9);
}

struct BadLine {
    const char* text;
    const char* mentions;
};

TEST(InputScriptTest, NamesTheFirstMalformedLine) {
    const BadLine cases[] = {
        {"key 38", "tick"},     {"-1 key 38", "tick"}, {"3", "event"},        {"3 press 38", "press"},
        {"3 key", "key"},       {"3 key 0", "key"},    {"3 key 38 39", "39"}, {"3 down 10", "down"},
        {"3 focus 2", "focus"}, {"3 char x", "char"},  {"3 quit now", "now"},
    };
    for (const BadLine& c : cases) {
        std::istringstream in(std::string("1 key 27\n") + c.text + "\n");
        std::vector<InputEvent> events;
        std::string error;
        EXPECT_FALSE(ParseInputScript(in, "s.txt", events, error)) << c.text;
        EXPECT_NE(error.find("s.txt:2:"), std::string::npos) << error;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << error;
    }
}

TEST(InputScriptTest, TicksMayNotGoBackwards) {
    std::istringstream in("5 key 38\n4 key 38\n");
    std::vector<InputEvent> events;
    std::string error;
    EXPECT_FALSE(ParseInputScript(in, "s.txt", events, error));
    EXPECT_NE(error.find("s.txt:2:"), std::string::npos);
}

}  // namespace
