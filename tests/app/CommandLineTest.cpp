#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;
using Action = CommandLine::Action;

TEST(CommandLineTest, DefaultIsTheFullScreenGame) {
    const CommandLine c = ParseCommandLine({});
    EXPECT_EQ(c.action, Action::Run);
    EXPECT_FALSE(c.windowed);
    EXPECT_FALSE(c.displayModeGiven) << "the remembered choice decides";
    EXPECT_FALSE(c.integerScale.has_value()) << "the remembered choice decides";
    EXPECT_FALSE(c.headless);
    EXPECT_EQ(c.ticks, -1);
    EXPECT_DOUBLE_EQ(c.dt, 0.02);
}

TEST(CommandLineTest, ReadsEveryOption) {
    const CommandLine c = ParseCommandLine({"--windowed",   "--nosound", "--data",  "d",         "--headless",
                                            "--seed",       "42",        "--dt",    "0.05",      "--ticks",
                                            "300",          "--input",   "in.txt",  "--state",   "s.jsonl",
                                            "--frame",      "12:a.bmp",  "--frame", "3:b:c.bmp", "--strict-settings",
                                            "--userdir",    "u",         "--mix",   "m.wav",     "--integer-scale",
                                            "--tick-times", "t.txt"});
    ASSERT_EQ(c.action, Action::Run) << c.error;
    EXPECT_TRUE(c.windowed);
    EXPECT_TRUE(c.displayModeGiven);
    EXPECT_EQ(c.userDir, "u");
    EXPECT_TRUE(c.noSound);
    EXPECT_EQ(c.dataDir, "d");
    EXPECT_TRUE(c.headless);
    EXPECT_EQ(c.seed, 42u);
    EXPECT_DOUBLE_EQ(c.dt, 0.05);
    EXPECT_EQ(c.ticks, 300);
    EXPECT_EQ(c.inputFile, "in.txt");
    EXPECT_EQ(c.stateFile, "s.jsonl");
    ASSERT_EQ(c.frames.size(), 2u);
    EXPECT_EQ(c.frames[0].tick, 12);
    EXPECT_EQ(c.frames[1].path, "b:c.bmp");
    EXPECT_TRUE(c.strictSettings);
    EXPECT_EQ(c.mixFile, "m.wav");
    EXPECT_EQ(c.integerScale, std::optional<bool>(true));
    EXPECT_EQ(c.tickTimesFile, "t.txt");
}

TEST(CommandLineTest, TheUsageTextNamesEveryOptionTheParserTakes) {
    const std::string usage = UsageText();
    for (const char* option : {"--help", "--version", "--fullscreen", "--windowed", "--data", "--userdir", "--nosound",
                               "--headless", "--seed", "--dt", "--ticks", "--input", "--state", "--frame",
                               "--strict-settings", "--integer-scale", "--smooth-scale", "--mix", "--tick-times"}) {
        EXPECT_NE(usage.find(std::string("  ") + option + " "), std::string::npos) << option;
        const CommandLine c = ParseCommandLine({option});
        EXPECT_EQ(c.error.find("unknown option"), std::string::npos) << option << " is taken by the parser";
    }
    EXPECT_NE(usage.find("pad <n>"), std::string::npos) << "the script's pad lines";
}

TEST(CommandLineTest, HelpAndVersionWinOverTheRest) {
    EXPECT_EQ(ParseCommandLine({"--windowed", "--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"--version"}).action, Action::Version);
}

TEST(CommandLineTest, BadOptionsAreUsageErrors) {
    const Args cases[] = {
        {"--bogus"},
        {"-x"},
        {"--data"},
        {"--userdir"},
        {"--userdir", ""},
        {"--headless", "--seed", "-1"},
        {"--headless", "--seed", "12abc"},
        {"--headless", "--ticks", "many"},
        {"--headless", "--dt", "0"},
        {"--headless", "--dt", "nan"},
        {"--headless", "--dt", "0.0000001"},  // rounds to no time at all: the game would freeze
        {"--headless", "--dt", "3600"},       // minutes per tick
        {"--headless", "--dt", "-inf"},
        {"--headless", "--frame", "0:x.bmp"},
        {"--headless", "--frame", "x.bmp"},
        {"--headless", "--frame", "5:"},
        {"--ticks", "10"},  // runner options without --headless
        {"--mix", "m.wav"},
        {"--headless", "--mix"},
        {"--replay"},
        {"--record"},
        {"--tick-times"},
        {"--headless", "--tick-times", ""},
    };
    for (const Args& args : cases) {
        const CommandLine c = ParseCommandLine(args);
        EXPECT_EQ(c.action, Action::Error) << args[0] << (args.size() > 1 ? " " + args.back() : "");
        EXPECT_FALSE(c.error.empty());
    }
}

}  // namespace
