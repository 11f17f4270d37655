#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/HighScore.h"

namespace {

class HighScoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() / ("rj-highscore-" + std::to_string(::getpid()) + ".txt");
        std::filesystem::remove(path_);
        table().SetFilePath(path_.string());
    }
    void TearDown() override { std::filesystem::remove(path_); }

    HighScore& table() { return HighScore::Instance(); }
    std::string FileText() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void WriteFile(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }
    void Type(const std::string& text) {
        for (unsigned char c : text) table().OnChar(c);
    }

    std::filesystem::path path_;
};

}  // namespace

TEST_F(HighScoreTest, MissingFileBringsTheDefaultsAndWritesThemWithAValidCheck) {
    ASSERT_TRUE(table().Init());
    ASSERT_EQ(table().Entries().size(), 10u);
    EXPECT_EQ(table().Entries().front().name, "Lorimeth");
    EXPECT_EQ(table().Entries().back().score, 100);
    const std::string text = FileText();
    EXPECT_EQ(text.rfind("Reedjumper - Highscores\n\n*1000:Lorimeth\n*900:Wendal\n", 0), 0u) << text;
    const size_t separator = text.find("---------------------------------\n");
    ASSERT_NE(separator, std::string::npos);
    EXPECT_EQ(text.substr(separator + 34), HighScore::CheckString(text.substr(0, separator)));
    EXPECT_TRUE(table().Load());
}

TEST_F(HighScoreTest, HashRotatesAndAddsSignedBytes) {
    EXPECT_EQ(HighScore::Hash("\x01\x02"), 0x102u);
    EXPECT_EQ(HighScore::Hash("\xff"), 0xffffffffu);  // a byte of 0xFF counts as −1
    EXPECT_EQ(HighScore::Hash("abcde"), ((0x61626364u << 8) | 0x61u) + 0x65u);
    // h = 0x102: NOT(h + 1) = 0xfffffefc, (2h) xor 0x3C5A9E71 = 0x3c5a9c75
    EXPECT_EQ(HighScore::CheckString("\x01\x02\n"), "102fffffefc---3c5a9c75");
}

TEST_F(HighScoreTest, EditedOrTruncatedFilesBringTheDefaultsBack) {
    table().Init();
    const std::string good = FileText();
    struct Case {
        const char* why;
        std::string text;
    };
    std::string edited = good;
    edited.replace(edited.find("*900"), 4, "*990");
    std::string noColon = good;
    noColon.replace(noColon.find("*900:"), 5, "*900 ");
    const Case cases[] = {
        {"a score changed by hand", edited},
        {"a line end after the check value", good + "\n"},
        {"an entry line without a colon", noColon},
        {"only five entries", good.substr(0, good.find("*500"))},
    };
    for (const Case& c : cases) {
        WriteFile(c.text);
        EXPECT_FALSE(table().Load()) << c.why;
        table().Init();
        EXPECT_EQ(FileText(), good) << c.why;
    }
}

TEST_F(HighScoreTest, SubmitAndNameEntry) {
    table().Init();
    EXPECT_FALSE(table().Submit(100));  // equal to the lowest: not entered
    ASSERT_TRUE(table().Submit(900));   // equal to an existing score: listed below it
    EXPECT_EQ(table().EditedIndex(), 2);
    Type("Anna\xe4%");   // "%" refused, ä allowed
    Type("bcdefghijk");  // an eleven-character limit
    EXPECT_EQ(table().NameBuffer(),
              "Anna\xe4"
              "bcdefg");
    table().OnChar(8);
    EXPECT_EQ(table().Entries()[2].name,
              "Anna\xe4"
              "bcdef");
    table().OnChar(13);
    EXPECT_FALSE(table().IsEditing());
    EXPECT_TRUE(table().Load());
    EXPECT_EQ(table().Entries()[2].name,
              "Anna\xe4"
              "bcdef");
    EXPECT_EQ(table().Entries()[2].score, 900);
    EXPECT_EQ(table().Entries()[9].score, 200);

    ASSERT_TRUE(table().Submit(5000));  // the buffer keeps the last name typed in this run
    EXPECT_EQ(table().Entries()[0].name,
              "Anna\xe4"
              "bcdef");
    table().Commit();
    EXPECT_FALSE(table().IsEditing());
}

TEST_F(HighScoreTest, AFailedSaveKeepsTheOldFile) {
    table().Init();
    const std::string before = FileText();
    table().SetFilePath((path_.string() + ".missing-folder/HighScore.txt"));
    testing::internal::CaptureStderr();
    table().Submit(123456);
    table().Commit();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot write the high scores"), std::string::npos);
    table().SetFilePath(path_.string());
    EXPECT_EQ(FileText(), before);
}

TEST_F(HighScoreTest, DisallowedCharactersInTheFileAreDroppedButStillChecked) {
    std::string text = "Reedjumper - Highscores\n\n*1000:Lo%ri\x01meth\n";
    for (int s = 900; s >= 100; s -= 100) text += "*" + std::to_string(s) + ":N\n";
    WriteFile(text + "---------------------------------\n" + HighScore::CheckString(text));
    EXPECT_TRUE(table().Load());
    EXPECT_EQ(table().Entries()[0].name, "Lorimeth");
}
