#include "settings/RememberedOptions.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Values = RememberedOptions::Values;

class RememberedOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int count = 0;
        dir_ = fs::temp_directory_path() / ("rj-options-" + std::to_string(getpid()) + "-" + std::to_string(++count));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        options().SetPath((dir_ / RememberedOptions::kFileName).string());
    }
    void TearDown() override {
        options().SetPath("");
        options().Get() = Values{};
        fs::remove_all(dir_);
    }

    static RememberedOptions& options() { return RememberedOptions::Instance(); }
    void Write(const std::string& text, const std::string& name = RememberedOptions::kFileName) const {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }
    std::string Read() const {
        std::ifstream in(dir_ / RememberedOptions::kFileName, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_;
};

Values AllChanged() {
    Values v;
    v.music = false;
    v.shadows = false;
    v.fullScreen = false;
    v.integerScale = true;
    v.musicVolume = 3;
    v.effectsVolume = 0;
    return v;
}

TEST_F(RememberedOptionsTest, EveryOptionSurvivesSaveAndLoad) {
    options().Get() = AllChanged();
    ASSERT_TRUE(options().Save());
    EXPECT_FALSE(fs::exists(dir_ / "options.txt.tmp"));
    options().Get() = Values{};
    ASSERT_TRUE(options().Load());
    EXPECT_EQ(options().Get(), AllChanged());
    EXPECT_NE(Read().find("integer_scale 1\n"), std::string::npos) << Read();
}

TEST_F(RememberedOptionsTest, AMissingFileGivesTheDefaultsSilently) {
    options().Get() = AllChanged();
    testing::internal::CaptureStderr();
    EXPECT_TRUE(options().Load());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(options().Get(), Values{});
}

TEST_F(RememberedOptionsTest, DamagedFilesKeepTheDefaultsForWhatCannotBeReadWithOneLine) {
    Values musicOff;
    musicOff.music = false;
    struct Case {
        std::string text;
        Values expected;
        const char* named;  // what the one line must name
    };
    const Case cases[] = {
        {"music 0\nshadows maybe\n", musicOff, "line 2: \"shadows\" needs 0 or 1, not \"maybe\""},
        {"music 0\nshadows 2\n", musicOff, "\"shadows\" needs 0 or 1"},
        {"music 0\nshadows\n", musicOff, "\"shadows\" needs 0 or 1, not \"\""},
        {"volume 7\nmusic 0\n", musicOff, "line 1: unknown key \"volume\""},
        {"music 0\n\x01\x02\x03\x00\xff\n"s, musicOff, "line 2: not text"},
        {"shadows x\nfullscreen y\nmusic 0\n", musicOff, "(and 1 more)"},
        {"music 0\nmusic_volume 11\n", musicOff, "line 2: \"music_volume\" needs 0 to 10, not \"11\""},
        {"effects_volume -1\nmusic 0\n", musicOff, "\"effects_volume\" needs 0 to 10"},
    };
    for (const Case& c : cases) {
        Write(c.text);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(options().Load()) << c.text;
        const std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(options().Get(), c.expected) << c.text;
        EXPECT_NE(errors.find(c.named), std::string::npos) << errors;
        EXPECT_NE(errors.find("options.txt"), std::string::npos) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    }
}

TEST_F(RememberedOptionsTest, CommentsBlankLinesCarriageReturnsAndSpacesAreAccepted) {
    Write("# mine\r\n\r\n  music\t0 \r\nshadows   0\r\n");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(options().Load());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(options().Get().music);
    EXPECT_FALSE(options().Get().shadows);
    EXPECT_TRUE(options().Get().fullScreen);
}

TEST_F(RememberedOptionsTest, AnUnreadableFileGivesTheDefaultsAndOneLine) {
    fs::create_directories(dir_ / RememberedOptions::kFileName);  // a folder where the file should be
    options().Get() = AllChanged();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(options().Load());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(options().Get(), Values{});
    EXPECT_NE(errors.find("options.txt"), std::string::npos) << errors;
}

TEST_F(RememberedOptionsTest, AFailedSaveKeepsTheOldFileAndSaysSoOnce) {
    options().Get() = AllChanged();
    ASSERT_TRUE(options().Save());
    const std::string before = Read();
    // The temporary file cannot be made where a folder of its name stands (not empty, so that
    // tidying up after the failure cannot take it away).
    fs::create_directories(dir_ / "options.txt.tmp");
    Write("x", "options.txt.tmp/keep");
    options().Get() = Values{};
    testing::internal::CaptureStderr();
    EXPECT_FALSE(options().Save());
    EXPECT_FALSE(options().Save());
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Read(), before);
    EXPECT_NE(errors.find("cannot write the remembered options"), std::string::npos) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
}

}  // namespace
