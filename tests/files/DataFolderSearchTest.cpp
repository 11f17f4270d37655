#include "files/DataFolderSearch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

class DataFolderSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int count = 0;
        dir_ = fs::temp_directory_path() / ("rj-search-" + std::to_string(getpid()) + "-" + std::to_string(++count));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "prefix" / "bin");
    }
    void TearDown() override { fs::remove_all(dir_); }
    void Holds(const fs::path& folder, const char* marker) const {
        fs::create_directories(folder);
        std::ofstream(folder / marker) << "x";
    }
    std::string Bin() const { return (dir_ / "prefix" / "bin").string(); }

    fs::path dir_;
};

TEST_F(DataFolderSearchTest, TriesBesideTheProgramThenTheRelocatedThenTheInstallFolder) {
    const auto places = DataFolderSearch::Places("", Bin(), "/opt/rj/share/reedjumper");
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].folder, Bin() + "/data");
    EXPECT_EQ(places[1].folder, (dir_ / "prefix" / "share" / "reedjumper").string());
    EXPECT_EQ(places[2].folder, "/opt/rj/share/reedjumper");
    EXPECT_EQ(DataFolderSearch::Find(places), nullptr);
    const std::string described = DataFolderSearch::Describe(places);
    EXPECT_NE(described.find(Bin() + "/data (beside the executable)"), std::string::npos) << described;
    EXPECT_NE(described.find("/opt/rj/share/reedjumper (the install folder)"), std::string::npos) << described;

    Holds(dir_ / "prefix" / "share" / "reedjumper", "REEDJUMPER.DAT");  // any letter case
    ASSERT_NE(DataFolderSearch::Find(places), nullptr);
    EXPECT_EQ(DataFolderSearch::Find(places), &places[1]);
    fs::create_directories(Bin() + "/data");  // an empty folder beside the program holds no data
    EXPECT_EQ(DataFolderSearch::Find(places), &places[1]);
    Holds(Bin() + "/data", "config.txt");
    EXPECT_EQ(DataFolderSearch::Find(places), &places[0]);
}

TEST_F(DataFolderSearchTest, AGivenFolderIsTheOnlyPlace) {
    Holds(Bin() + "/data", "config.txt");
    const auto places = DataFolderSearch::Places("/elsewhere", Bin(), "/usr/share/reedjumper");
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].folder, "/elsewhere");
    EXPECT_EQ(DataFolderSearch::Find(places), nullptr);
}

}  // namespace
