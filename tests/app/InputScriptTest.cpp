#include "app/InputScript.h"

#include <gtest/gtest.h>

#include "platform/Gamepads.h"

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

TEST(InputScriptTest, ReadsPadLines) {
    std::istringstream in(
        "1 pad 0 added\n"
        "2 pad 0 down a\n"
        "3 pad 3 up back   # another pad\n"
        "4 pad 0 stick -32768 32767\n"
        "5 pad 0 removed\n");
    std::vector<InputEvent> events;
    std::string error;
    ASSERT_TRUE(ParseInputScript(in, "in.txt", events, error)) << error;
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0].kind, Kind::PadAdded);
    EXPECT_EQ(events[1].kind, Kind::PadDown);
    EXPECT_EQ(events[1].b, static_cast<int>(platform::PadButton::A));
    EXPECT_EQ(events[2].kind, Kind::PadUp);
    EXPECT_EQ(events[2].a, 3);
    EXPECT_EQ(events[2].b, static_cast<int>(platform::PadButton::Back));
    EXPECT_EQ(events[3].kind, Kind::PadStick);
    EXPECT_EQ(events[3].b, -32768);
    EXPECT_EQ(events[3].c, 32767);
    EXPECT_EQ(events[4].kind, Kind::PadRemoved);
    EXPECT_EQ(events[4].tick, 5);
}

TEST(InputScriptTest, NamesTheFaultOfAPadLine) {
    const BadLine cases[] = {
        {"3 pad", "pad number"},       {"3 pad x added", "pad number"},
        {"3 pad 0", "added, removed"}, {"3 pad 0 pressed a", "added, removed"},
        {"3 pad 0 down", "button"},    {"3 pad 0 down x", "button"},
        {"3 pad 0 stick 5", "stick"},  {"3 pad 0 stick 0 40000", "stick"},
        {"3 pad 0 added now", "now"},  {"3 pad -1 added", "pad number"},
    };
    for (const BadLine& c : cases) {
        std::istringstream in(std::string("1 key 27\n") + c.text + "\n");
        std::vector<InputEvent> events;
        std::string error;
        EXPECT_FALSE(ParseInputScript(in, "s.txt", events, error)) << c.text;
        EXPECT_NE(error.find("s.txt:2:"), std::string::npos) << error;
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.text << ": " << error;
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
