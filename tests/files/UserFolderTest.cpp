#include "files/UserFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class UserFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int count = 0;
        dir_ = fs::temp_directory_path() / ("rj-user-" + std::to_string(getpid()) + "-" + std::to_string(++count));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
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

    fs::path dir_;
};

TEST_F(UserFolderTest, CreatesEveryMissingParent) {
    const fs::path deep = dir_ / "a" / "b" / "reedjumper";
    UserFolder::Set(deep.string() + "//");
    EXPECT_EQ(UserFolder::Get(), deep.string());
    EXPECT_EQ(UserFolder::PathOf("x.txt"), (deep / "x.txt").string());
    std::string error;
    ASSERT_TRUE(UserFolder::Create(error)) << error;
    EXPECT_TRUE(fs::is_directory(deep));
    EXPECT_TRUE(UserFolder::Create(error)) << "an existing folder is fine: " << error;
}

TEST_F(UserFolderTest, AFileInTheWayIsNamed) {
    Write(dir_ / "taken", "x");
    UserFolder::Set((dir_ / "taken" / "reedjumper").string());
    std::string error;
    EXPECT_FALSE(UserFolder::Create(error));
    EXPECT_NE(error.find((dir_ / "taken").string()), std::string::npos) << error;
}

TEST_F(UserFolderTest, CarryOverCopiesOnceAndKeepsTheOriginal) {
    const fs::path old = dir_ / "HighScore.txt";
    fs::create_directories(dir_ / "user");
    UserFolder::Set((dir_ / "user").string());
    Write(old, "first\n\xe4");
    EXPECT_TRUE(UserFolder::CarryOver(old.string(), "HighScore.txt"));
    EXPECT_EQ(Read(dir_ / "user" / "HighScore.txt"), "first\n\xe4");
    EXPECT_EQ(Read(old), "first\n\xe4");
    EXPECT_FALSE(fs::exists(dir_ / "user" / "HighScore.txt.tmp"));

    Write(old, "second");
    EXPECT_FALSE(UserFolder::CarryOver(old.string(), "HighScore.txt")) << "the user folder's own file wins";
    EXPECT_EQ(Read(dir_ / "user" / "HighScore.txt"), "first\n\xe4");

    EXPECT_FALSE(UserFolder::CarryOver((dir_ / "missing.txt").string(), "other.txt"));
    EXPECT_FALSE(fs::exists(dir_ / "user" / "other.txt"));
}

}  // namespace
