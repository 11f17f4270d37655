#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "files/File.h"
#include "files/FileLoader.h"
#include "files/TempDataRoot.h"

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    File file;
    std::vector<std::string> lines;
    if (!file.Open(path, "r")) return lines;
    char buffer[1024];
    while (!file.IsEndOfFile()) {
        if (!file.ReadLine(buffer, sizeof buffer)) break;
        lines.emplace_back(buffer);
    }
    return lines;
}

PackBuilder TwoTextPack() {
    PackBuilder p;
    p.items = {{"test label", "L"}, {"data\\first.txt", "one\ntwo"}, {"data\\second.txt", "NEXT\n"}};
    return p;
}

}  // namespace

TEST(FileLoader, FolderModeFindsFilesWhateverTheirCase) {
    TempDataRoot root;
    root.Write("HighScore.txt", "x");
    root.Write("frogmoveup.bmp", "y");
    root.Activate();
    FileLoader& loader = FileLoader::Instance();
    EXPECT_FALSE(loader.PackAvailable());
    EXPECT_TRUE(loader.FileExists("data\\HighScore.txt"));
    EXPECT_TRUE(loader.FileExists("data\\highscore.TXT"));
    EXPECT_TRUE(loader.FileExistsWithExtension("FrogMoveUp", ".bmp"));
    EXPECT_FALSE(loader.FileExists("data\\missing.txt"));
}

TEST(FileLoader, FilesAddedOrRemovedAfterALookUpAreSeenWhateverTheirCase) {
    TempDataRoot root;
    root.Write("Old.txt", "x");
    // A folder unchanged for an hour: its listing may be kept between look-ups.
    const auto anHourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(root.Path(), anHourAgo);
    root.Activate();
    FileLoader& loader = FileLoader::Instance();
    EXPECT_TRUE(loader.FileExists("data\\old.TXT"));
    EXPECT_FALSE(loader.FileExists("data\\new.txt"));
    root.Write("NEW.Txt", "y");
    EXPECT_TRUE(loader.FileExists("data\\new.txt"));
    // Settled again (at another time), so the new listing is kept in turn.
    std::filesystem::last_write_time(root.Path(), anHourAgo - std::chrono::hours(1));
    EXPECT_TRUE(loader.FileExists("data\\New.TXT"));
    std::filesystem::remove(root.Path() / "Old.txt");
    EXPECT_FALSE(loader.FileExists("data\\old.TXT"));
    // A folder written just now is listed anew at every look-up.
    root.Write("Third.TXT", "z");
    EXPECT_TRUE(loader.FileExists("data\\third.txt"));
    std::filesystem::remove(root.Path() / "Third.TXT");
    EXPECT_FALSE(loader.FileExists("data\\third.txt"));
}

TEST(FileLoader, PackLookupLowersTheRequestAndStopsAtAnEarlyZeroSizeEntry) {
    TempDataRoot root;
    PackBuilder p;
    p.items = {{"label", "L"}, {"data\\config.txt", "abc"}, {"data\\gap.txt", "", -1, 0}, {"data\\late.txt", "zz"}};
    root.Write("ReedJumper.dat", p.Build());
    root.Write("late.txt", "loose files are ignored while a pack is in use");
    root.Activate();
    FileLoader& loader = FileLoader::Instance();
    ASSERT_TRUE(loader.PackAvailable());
    EXPECT_TRUE(loader.FileExists("data\\Config.TXT"));
    EXPECT_FALSE(loader.FileExists("data\\gap.txt"));
    EXPECT_FALSE(loader.FileExists("data\\late.txt"));
    File file;
    EXPECT_FALSE(file.Open("data\\late.txt", "rb"));
}

TEST(FileLoader, PackLinesNeverRunIntoTheNextEntry) {
    TempDataRoot root;
    root.Write("ReedJumper.dat", TwoTextPack().Build());
    root.Activate();
    EXPECT_EQ(ReadLines("data\\first.txt"), (std::vector<std::string>{"one\n", "two"}));
    EXPECT_EQ(ReadLines("data\\second.txt"), (std::vector<std::string>{"NEXT\n"}));
}

TEST(FileLoader, PackFileReadsAreClampedToTheEntryAndThePacksRealEnd) {
    TempDataRoot root;
    PackBuilder p = TwoTextPack();
    p.items.push_back({"data\\beyond.txt", "tail", -1, 1000});        // size past the end
    p.items.push_back({"data\\outside.txt", "", 999999, 5});          // offset past the end
    p.items.push_back({std::string(48, 'n'), "no NUL in the name"});  // name fills all 48 bytes
    root.Write("ReedJumper.dat", p.Build());
    root.Activate();
    File file;
    ASSERT_TRUE(file.Open("data\\first.txt", "rb"));
    char buffer[64] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 7u);
    EXPECT_TRUE(file.IsEndOfFile());
    EXPECT_EQ(file.Write("x", 1), 0u);

    ASSERT_TRUE(file.Open("data\\beyond.txt", "rb"));
    EXPECT_EQ(file.GetSize(), static_cast<int32_t>(std::string("tail").size() + 18));
    ASSERT_TRUE(file.Open("data\\outside.txt", "rb"));
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    EXPECT_TRUE(FileLoader::Instance().FileExists(std::string(48, 'n')));
    EXPECT_FALSE(FileLoader::Instance().FileExists(std::string(49, 'n')));
}

TEST(FileLoader, ShortPackDirectoryFindsNothingAndNeverCrashes) {
    TempDataRoot root;
    root.Write("ReedJumper.dat", TwoTextPack().Build().substr(0, 100));
    FileLoader::Instance().Reinitialize();
    EXPECT_FALSE(FileLoader::Instance().Open());
    EXPECT_FALSE(FileLoader::Instance().FileExists("data\\second.txt"));
}

// A pack that lies about its files, or is too short for its directory, is named with what is
// wrong on one line; Open fails, so the game ends instead of reading garbage file after file.
TEST(FileLoader, DamagedPacksAreNamedOnce) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* said;
    };
    PackBuilder allHuge = TwoTextPack();
    for (auto& item : allHuge.items) item.sizeOverride = 0xFFFFFFFF;
    PackBuilder intoDirectory = TwoTextPack();
    intoDirectory.items[1].offsetOverride = 10;
    const Case cases[] = {
        {"sizes 0xFFFFFFFF", allHuge.Build(), "3 directory entries lie outside"},
        {"offset inside the directory", intoDirectory.Build(), "'data\\first.txt'"},
        {"short directory", TwoTextPack().Build().substr(0, 100), "too short for its directory"},
        {"empty", "", "too short for its directory"},
    };
    for (const Case& c : cases) {
        TempDataRoot root;
        root.Write("ReedJumper.dat", c.bytes);
        FileLoader::Instance().Reinitialize();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(FileLoader::Instance().Open()) << c.what;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("ReedJumper.dat: damaged pack"), std::string::npos) << c.what << ": " << said;
        EXPECT_NE(said.find(c.said), std::string::npos) << c.what << ": " << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.what << ": " << said;
    }
    TempDataRoot good;
    good.Write("ReedJumper.dat", TwoTextPack().Build());
    FileLoader::Instance().Reinitialize();
    EXPECT_TRUE(FileLoader::Instance().Open());
}

// A folder with neither the pack nor loose data files names the pack it looked for.
TEST(FileLoader, NeitherPackNorLooseFilesIsNamed) {
    TempDataRoot root;
    root.Write("readme.txt", "nothing the game reads");
    FileLoader::Instance().Reinitialize();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(FileLoader::Instance().Open());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("ReedJumper.dat"), std::string::npos) << said;
    EXPECT_NE(said.find(root.Path().string()), std::string::npos) << said;
    root.Write("Config.TXT", "numWorlds 1\n");
    EXPECT_TRUE(FileLoader::Instance().Open());
}

TEST(File, WriteModeCreatesTheLooseFileEvenWithAPack) {
    TempDataRoot root;
    root.Write("ReedJumper.dat", TwoTextPack().Build());
    root.Activate();
    File out;
    ASSERT_TRUE(out.Open("data\\HighScore.txt", "w"));
    EXPECT_GT(out.Print("%s %d\n", "abc", 42), 0);
    out.Close();
    EXPECT_EQ(root.Read("HighScore.txt"), "abc 42\n");
}

TEST(File, LooseGetSizeLeavesTheReadPosition) {
    TempDataRoot root;
    root.Write("size.bin", "0123456789");
    root.Activate();
    File file;
    ASSERT_TRUE(file.Open("data\\size.bin", "rb"));
    char two[2];
    ASSERT_EQ(file.Read(two, 2), 2u);
    EXPECT_EQ(file.GetSize(), 10);
    EXPECT_EQ(file.Tell(), 2);
    EXPECT_EQ(GetFileSize("data\\size.bin"), 10);
    EXPECT_EQ(GetFileSize("data\\none.bin"), 0);
}

TEST(RjPack, CreateListExtractRoundTripsEveryByte) {
    TempDataRoot source;
    source.Write("Config.txt", "numWorlds 1\r\n");
    source.Write("frog.bmp", std::string("\0\1\2\3binary", 10));
    source.Write(".stamp", "hidden files stay out");
    TempDataRoot target;
    const std::string pack = (target.Path() / "ReedJumper.dat").string();
    const std::string tool = RJPACK_PATH;
    ASSERT_EQ(std::system((tool + " create " + pack + " " + source.Path().string() + " mylabel").c_str()), 0);

    const std::string listing = (target.Path() / "list.txt").string();
    ASSERT_EQ(std::system((tool + " list " + pack + " > " + listing).c_str()), 0);
    const std::string text = target.Read("list.txt");
    EXPECT_EQ(text.rfind("mylabel 0 32000\n", 0), 0u) << text;
    EXPECT_NE(text.find("data\\config.txt 32000 13\n"), std::string::npos) << text;
    EXPECT_EQ(text.find(".stamp"), std::string::npos);

    const std::string out = (target.Path() / "out").string();
    ASSERT_EQ(std::system((tool + " extract " + pack + " " + out).c_str()), 0);
    EXPECT_EQ(target.Read("out/config.txt"), "numWorlds 1\r\n");
    EXPECT_EQ(target.Read("out/frog.bmp"), std::string("\0\1\2\3binary", 10));

    // A pack the tool made, its label entry over the directory, opens as a sound pack.
    FileLoader::Instance().Reinitialize();
    testing::internal::CaptureStderr();
    const bool opened = FileLoader::Instance().Open();
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(opened) << said;
    EXPECT_EQ(said, "");
    File file;
    ASSERT_TRUE(file.Open("data\\CONFIG.txt", "r"));
    char line[64];
    ASSERT_NE(file.ReadLine(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "numWorlds 1\r\n");
}

TEST(RjPack, FilesTheGameWritesNeverGoIntoAPack) {
    TempDataRoot source;
    source.Write("config.txt", "numWorlds 1\n");
    for (const char* written : {"HighScore.txt", "HIGHSCORE.TXT.tmp"}) source.Write(written, "a player's table\n");
    TempDataRoot target;
    const std::string pack = (target.Path() / "ReedJumper.dat").string();
    const std::string tool = RJPACK_PATH;
    ASSERT_EQ(std::system((tool + " create " + pack + " " + source.Path().string()).c_str()), 0);
    const std::string listing = (target.Path() / "list.txt").string();
    ASSERT_EQ(std::system((tool + " list " + pack + " > " + listing).c_str()), 0);
    const std::string text = target.Read("list.txt");
    EXPECT_NE(text.find("data\\config.txt"), std::string::npos) << text;
    EXPECT_EQ(text.find("highscore"), std::string::npos) << text;
}

TEST(RjPack, RefusesWhatCannotBePackedAndWritesNoPack) {
    struct Case {
        const char* why;
        std::vector<std::pair<std::string, std::string>> files;
    };
    const Case cases[] = {
        {"empty file", {{"empty.txt", ""}}},
        {"name too long", {{std::string(44, 'a') + ".txt", "x"}}},
        {"lowered names collide", {{"Frog.bmp", "a"}, {"frog.BMP", "b"}}},
    };
    for (const Case& c : cases) {
        TempDataRoot source;
        for (const auto& [name, bytes] : c.files) source.Write(name, bytes);
        const std::string pack = (source.Path() / "out.dat").string();
        const std::string command =
            std::string(RJPACK_PATH) + " create " + pack + " " + source.Path().string() + " 2>/dev/null";
        EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1) << c.why;
        EXPECT_FALSE(std::filesystem::exists(pack)) << c.why;
    }
    TempDataRoot many;
    for (int i = 0; i < 499; ++i) many.Write("f" + std::to_string(i), "x");
    TempDataRoot target;
    const std::string pack = (target.Path() / "many.dat").string();
    const std::string command =
        std::string(RJPACK_PATH) + " create " + pack + " " + many.Path().string() + " 2>/dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
    EXPECT_FALSE(std::filesystem::exists(pack));
}
