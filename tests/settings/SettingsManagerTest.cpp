#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings/SettingsFile.h"
#include "settings/SettingsManager.h"
#include "settings/StringTokenizer.h"
#include "files/FileLoader.h"
#include "files/TempDataRoot.h"

namespace {

// Loads `text` as the only settings file, from a fresh data folder.
class SettingsTest : public ::testing::Test {
protected:
    void Use(const std::string& text) {
        dir_ = std::filesystem::temp_directory_path() / ("rj-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        std::ofstream(dir_ / "config.txt", std::ios::binary) << text;
        FileLoader::SetDataRoot(dir_.string());
        FileLoader::Instance().Reinitialize();
        SettingsManager::Instance().Clear();
        ASSERT_TRUE(SettingsManager::Instance().Load("data\\config.txt"));
    }
    void TearDown() override {
        SettingsManager::Instance().Clear();
        std::filesystem::remove_all(dir_);
    }
    SettingsManager& S() { return SettingsManager::Instance(); }

    std::filesystem::path dir_;
};

}  // namespace

TEST_F(SettingsTest, KeysMatchWithoutLetterCaseAndTheFirstOccurrenceWins) {
    Use("NUMWORLDS 3\n"
        "SECTION extra\n"
        "frogSpeedFactor 1.5 comment words\n"
        "ENDSECTION\n"
        "frogspeedfactor 9\n"
        "numworlds 4\n");
    EXPECT_EQ(S().GetInt("numWorlds"), 3);
    EXPECT_FLOAT_EQ(S().GetFloat("frogSpeedFactor"), 1.5f);
    const std::string other = "other";
    EXPECT_EQ(S().GetInt("numWorlds", &other), 0);  // outside every section: not found with one
    const std::string extra = "EXTRA";
    EXPECT_FLOAT_EQ(S().GetFloat("FROGSPEEDFACTOR", &extra), 1.5f);
}

TEST_F(SettingsTest, CommentsSectionsAndParsing) {
    Use("# numWorlds 7\n"
        "  #numAreas 5\n"
        "numAreas 6\n"
        "\t \n"
        "enableSound 2\n"
        "digits 12abc\n"
        "SECTION\n"
        "crlf 4\r\n"
        "last 8");  // no newline at the end
    EXPECT_EQ(S().GetInt("numWorlds"), 0);
    EXPECT_EQ(S().GetInt("numAreas"), 6);
    EXPECT_TRUE(S().GetBool("enableSound"));
    EXPECT_EQ(S().GetInt("digits"), 12);
    EXPECT_EQ(S().GetInt("crlf"), 4);
    EXPECT_EQ(S().GetInt("last"), 8);
    EXPECT_EQ(S().ProblemKeys(), std::vector<std::string>{"numWorlds"});
}

TEST_F(SettingsTest, AnswersAreCachedUnderTheCallersSpelling) {
    Use("speed 2\n");
    EXPECT_EQ(S().GetInt("speed"), 2);
    SettingsManager::Instance().Load("data\\config.txt");  // a second file changes nothing cached
    EXPECT_EQ(S().GetInt("speed"), 2);
    EXPECT_FLOAT_EQ(S().GetFloat("SPEED"), 2.0f);
}

TEST_F(SettingsTest, MissingAndUnparsableKeysGiveZeroAndAreReportedOnce) {
    Use("word abc\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(S().GetInt("word"), 0);
    EXPECT_FALSE(S().GetBool("absent"));
    EXPECT_FLOAT_EQ(S().GetFloat("absent"), 0.0f);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("no number for key 'word'"), std::string::npos) << err;
    EXPECT_EQ(err.find("missing key 'absent'"), err.rfind("missing key 'absent'")) << err;
}

TEST_F(SettingsTest, LongLinesAreSplitAt998Characters) {
    std::string line = "long " + std::string(1495, 'x');  // 1500 characters
    line.replace(998, 8, "tail 77 ");
    Use(line + "\n");
    SettingsFile file;
    ASSERT_TRUE(file.Load("data\\config.txt"));
    ASSERT_EQ(file.Lines().size(), 2u);
    EXPECT_EQ(file.Lines()[0].size(), 998u);
    EXPECT_EQ(S().GetInt("tail"), 77);
}

TEST_F(SettingsTest, BinaryBytesAndEmptyFilesAreHarmless) {
    Use(std::string("\0\xff\x01 junk\nok 5\n", 15));
    EXPECT_EQ(S().GetInt("ok"), 5);
    Use("");
    EXPECT_EQ(S().GetInt("ok"), 0);
}

// A player reads the message to find the file: it names the path on disk (the data root, a
// slash, the file's own letter case) or the pack the settings came from, never the data path.
TEST(SettingsMessages, NameTheFileWhereItIsOnDisk) {
    struct Case {
        const char* what;
        bool packed;
    };
    for (const Case& c : {Case{"a loose file", false}, Case{"a file in the pack", true}}) {
        TempDataRoot root;
        if (c.packed) {
            PackBuilder pack;
            pack.items = {{"label", "L"}, {"data\\config.txt", "numAreas 9999\n"}};
            root.Write("ReedJumper.dat", pack.Build());
        } else {
            root.Write("Config.TXT", "numAreas 9999\n");
        }
        root.Activate();
        SettingsManager& settings = SettingsManager::Instance();
        settings.Clear();
        testing::internal::CaptureStderr();
        ASSERT_TRUE(settings.Load("data\\config.txt")) << c.what;
        settings.GetInt("absent");
        const std::string err = testing::internal::GetCapturedStderr();
        settings.Clear();
        const std::string shown = c.packed ? (root.Path() / "ReedJumper.dat").string() + " (config.txt)"
                                           : (root.Path() / "Config.TXT").string();
        EXPECT_EQ(err,
                  shown + ": 'numAreas' is 9999, outside its range 1 ... 99\n" + shown + ": missing key 'absent'\n")
            << c.what;
    }
}

TEST(StringTokenizer, SplitsAtRunsOfDelimiters) {
    StringTokenizer t("  key\t\t12  3.5 x", " \t");
    EXPECT_EQ(t.Count(), 4);
    EXPECT_EQ(t.NextToken(), "key");
    EXPECT_EQ(t.NextInt(), 12);
    EXPECT_FLOAT_EQ(t.NextFloat(), 3.5f);
    bool ok = true;
    EXPECT_EQ(t.NextInt(&ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(t.Remaining(), 0);
    EXPECT_EQ(StringTokenizer("", " ").Count(), 0);
    EXPECT_EQ(StringTokenizer("n 99999999999", " ").Count(), 2);
    StringTokenizer big("99999999999", " ");
    EXPECT_EQ(big.NextInt(), 2147483647);
}
