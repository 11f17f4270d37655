#include "platform/TextInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TextCase {
    const char* name;
    std::string utf8;
    std::vector<uint8_t> latin1;
};

TEST(TextInputTest, TurnsUtf8IntoPrintableLatin1) {
    const TextCase cases[] = {
        {"ascii", "Ab z~", {'A', 'b', ' ', 'z', '~'}},
        {"umlauts and sharp s",
         "\xC3\x84\xC3\x96\xC3\x9C\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F",
         {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF}},
        {"last Latin-1 character", "\xC3\xBF", {0xFF}},
        {"euro sign is beyond Latin-1",
         "a\xE2\x82\xAC"
         "b",
         {'a', 'b'}},
        {"emoji is beyond Latin-1", "\xF0\x9F\x90\xB8!", {'!'}},
        {"control characters",
         "\t\n\x7F"
         "x",
         {'x'}},
        {"C1 controls",
         "\xC2\x85"
         "y",
         {'y'}},
        {"stray continuation byte", "\x80q", {'q'}},
        {"overlong encoding", "\xC0\xA1r", {'r'}},
        {"truncated sequence at the end", "s\xC3", {'s'}},
        {"lead byte followed by ascii", "\xC3t", {'t'}},
    };
    for (const TextCase& c : cases) EXPECT_EQ(platform::Latin1FromUtf8(c.utf8), c.latin1) << c.name;
}

}  // namespace
