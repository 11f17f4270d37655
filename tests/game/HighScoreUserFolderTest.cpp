#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "files/FileLoader.h"
#include "files/UserFolder.h"
#include "game/HighScore.h"

namespace {

namespace fs = std::filesystem;

// A data folder and a user folder of their own; the table is looked for where the game looks.
class HighScoreUserFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int count = 0;
        dir_ = fs::temp_directory_path() / ("rj-hs-user-" + std::to_string(getpid()) + "-" + std::to_string(++count));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "data");
        FileLoader::SetDataRoot((dir_ / "data").string());
        UserFolder::Set((dir_ / "user").string());
        HighScore::Instance().SetFilePath("");
    }
    void TearDown() override {
        UserFolder::Set(".");
        fs::remove_all(dir_);
    }
    static void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::string TableWith(int topScore, const std::string& topName) {
        std::string text = "Reedjumper - Highscores\n\n*" + std::to_string(topScore) + ":" + topName + "\n";
        for (int s = 900; s >= 100; s -= 100) text += "*" + std::to_string(s) + ":N\n";
        return text + "---------------------------------\n" + HighScore::CheckString(text);
    }
    static void MakeUserFolder() {
        std::string error;
        ASSERT_TRUE(UserFolder::Create(error)) << error;
    }

    fs::path dir_;
};

TEST_F(HighScoreUserFolderTest, TheTableLivesInTheUserFolder) {
    MakeUserFolder();
    HighScore& table = HighScore::Instance();
    EXPECT_EQ(table.FilePath(), (dir_ / "user" / "HighScore.txt").string());
    ASSERT_TRUE(table.Init());
    EXPECT_EQ(table.Entries().front().name, "Lorimeth");
    EXPECT_TRUE(fs::exists(dir_ / "user" / "HighScore.txt"));
    EXPECT_FALSE(fs::exists(dir_ / "data" / "HighScore.txt")) << "nothing is written into the data folder";
}

TEST_F(HighScoreUserFolderTest, AnOlderTableInTheDataFolderIsCarriedOverOnceAndNeverLost) {
    MakeUserFolder();
    const std::string old = TableWith(5000, "J\xf6rg");
    Write(dir_ / "data" / "HighScore.txt", old);
    HighScore& table = HighScore::Instance();
    ASSERT_TRUE(table.Init());
    EXPECT_EQ(table.Entries().front().score, 5000);
    EXPECT_EQ(Read(dir_ / "user" / "HighScore.txt"), old);
    EXPECT_EQ(Read(dir_ / "data" / "HighScore.txt"), old) << "the original stays";

    // Later games write the user folder's table; the data folder's is not taken over again.
    ASSERT_TRUE(table.Submit(7000));
    table.Commit();
    ASSERT_TRUE(table.Init());
    EXPECT_EQ(table.Entries().front().score, 7000);
}

TEST_F(HighScoreUserFolderTest, WithoutAUsableUserFolderTheDataFoldersTableIsStillRead) {
    Write(dir_ / "user", "a file where the folder should be");
    const std::string old = TableWith(4000, "Ada");
    Write(dir_ / "data" / "HighScore.txt", old);
    HighScore& table = HighScore::Instance();
    testing::internal::CaptureStderr();
    ASSERT_TRUE(table.Init());
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(table.Entries().front().score, 4000);
    EXPECT_EQ(table.Entries().front().name, "Ada");
    EXPECT_EQ(Read(dir_ / "data" / "HighScore.txt"), old);
}

}  // namespace
