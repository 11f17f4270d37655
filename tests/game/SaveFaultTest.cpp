// The high-score table and the remembered options when their folder fails them: a folder that
// cannot be written, a disk that fills in the middle of a file, a process killed in the middle of
// saving. The file on disk is always a whole table (the old one or a new one) and the table in
// memory keeps the player's entry for the rest of the session.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "TempFolder.h"
#include "game/HighScore.h"
#include "settings/RememberedOptions.h"

namespace {

namespace fs = std::filesystem;

// Exit statuses of the child processes below, so the parent can say what went wrong.
constexpr int kChildOk = 0;
constexpr int kChildCouldWrite = 10;  // the fault was not in force: the test would prove nothing
constexpr int kChildLostEntry = 11;
constexpr int kChildSaved = 12;
constexpr int kChildNoTable = 13;
constexpr int kBackspace = 8;
// The user "nobody", for whom a folder without write permission is read-only (not for root).
constexpr uid_t kNobody = 65534;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// Runs `body` in a child process; its return value is the child's exit status, its standard
// error (through a pipe, which no file-size limit cuts) goes to `errors`. `asNobody` drops root's
// rights first (file permissions bind it then).
int InChild(std::string& errors, bool asNobody, const std::function<int()>& body) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        if (dup2(pipeEnds[1], STDERR_FILENO) < 0) _exit(20);
        if (asNobody && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(21);
        _exit(body());
    }
    close(pipeEnds[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) errors.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

class SaveFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Readable by "nobody" in the read-only case.
        fs::permissions(folder_.Path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                            fs::perms::others_read | fs::perms::others_exec);
        user_ = folder_.Path() / "user";
        fs::create_directories(user_);
        tablePath_ = (user_ / "HighScore.txt").string();
        optionsPath_ = (user_ / RememberedOptions::kFileName).string();
        table().SetFilePath(tablePath_);
        ASSERT_TRUE(table().Init());  // writes the default table
        options().SetPath(optionsPath_);
        options().Get() = RememberedOptions::Values{};
        ASSERT_TRUE(options().Save());
        table_ = ReadAll(tablePath_);
        optionsText_ = ReadAll(optionsPath_);
        ASSERT_FALSE(table_.empty());
    }
    void TearDown() override {
        fs::permissions(user_, fs::perms::owner_all);
        table().SetFilePath("");
        options().SetPath("");
        options().Get() = RememberedOptions::Values{};
    }

    static HighScore& table() { return HighScore::Instance(); }
    static RememberedOptions& options() { return RememberedOptions::Instance(); }

    // A new best score with a name, then the options changed and saved: what a player does.
    static int PlayAndSave(int32_t score) {
        if (!table().Submit(score)) return kChildNoTable;
        for (size_t i = 0; i < HighScore::kMaxNameLength; ++i) table().OnChar(kBackspace);
        for (char c : std::string("Kim")) table().OnChar(c);
        table().OnChar('\r');
        options().Get().musicVolume = 3;
        options().Get().shadows = false;
        const bool optionsSaved = options().Save();
        if (table().Entries().front().score != score || table().Entries().front().name != "Kim") {
            return kChildLostEntry;
        }
        return optionsSaved ? kChildSaved : kChildOk;
    }

    // As root the read-only case runs as the user nobody, who must reach the folder: a private
    // TMPDIR (mode 0700) is closed to that user, so root's folder goes under /tmp, open to all.
    TempFolder folder_{geteuid() == 0 ? "/tmp/rj-save-fault" : "rj-save-fault"};
    fs::path user_;
    std::string tablePath_;
    std::string optionsPath_;
    std::string table_;
    std::string optionsText_;
};

TEST_F(SaveFaultTest, AReadOnlyFolderKeepsTheTableAndSaysSoOnce) {
    fs::permissions(user_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    std::string text;
    const int status = InChild(text, geteuid() == 0, [this] {
        if (access(user_.c_str(), W_OK) == 0) return kChildCouldWrite;
        if (!table().Load()) return kChildNoTable;  // the old table is read as it is
        return PlayAndSave(50000);
    });
    ASSERT_NE(status, 21) << "could not become the user nobody to make the folder read-only for this test";
    EXPECT_EQ(status, kChildOk);
    EXPECT_EQ(ReadAll(tablePath_), table_);
    EXPECT_EQ(ReadAll(optionsPath_), optionsText_);
    EXPECT_EQ(CountLines(text), 2) << text;
    EXPECT_NE(text.find(tablePath_ + ": cannot write the high scores"), std::string::npos) << text;
    EXPECT_NE(text.find("cannot write the remembered options"), std::string::npos) << text;
}

// A disk that fills up in the middle of a file: writes beyond the first bytes fail, as they do
// when no block is left (the process's file-size limit stands in for the full disk).
TEST_F(SaveFaultTest, AFullDiskKeepsTheTableAndSaysSoOnce) {
    std::string text;
    const int status = InChild(text, false, [] {
        signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
        const rlimit room{16, 16};
        if (setrlimit(RLIMIT_FSIZE, &room) != 0) return kChildCouldWrite;
        const int first = PlayAndSave(50000);
        if (first != kChildOk) return first;
        return PlayAndSave(60000);  // a second failure says nothing more
    });
    EXPECT_EQ(status, kChildOk);
    EXPECT_EQ(ReadAll(tablePath_), table_);
    EXPECT_EQ(ReadAll(optionsPath_), optionsText_);
    EXPECT_FALSE(fs::exists(tablePath_ + ".tmp"));
    EXPECT_EQ(CountLines(text), 2) << text;
    EXPECT_NE(text.find(tablePath_ + ": cannot write the high scores"), std::string::npos) << text;
    EXPECT_NE(text.find("cannot write the remembered options"), std::string::npos) << text;
    // Once there is room again the table reads as it was, and a new entry is saved.
    ASSERT_TRUE(table().Load());
    ASSERT_TRUE(table().Submit(70000));
    table().Commit();
    ASSERT_TRUE(table().Load());
    EXPECT_EQ(table().Entries().front().score, 70000);
}

// Killed at any moment while saving again and again, the table and the options are always whole:
// the table reads back with a valid check value, the options without a fault.
TEST_F(SaveFaultTest, AKillDuringSavesNeverTearsTheTableOrTheOptions) {
    constexpr int kKills = 60;
    uint32_t random = 777;
    int tableChanges = 0;
    std::string previous = table_;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int32_t score = 2000;; ++score) {
                table().Submit(score);
                table().Commit();
                options().Get().musicVolume = score % (RememberedOptions::kMaxVolume + 1);
                options().Get().fullScreen = score % 2 == 0;
                options().Save();
            }
        }
        random = random * 1664525u + 1013904223u;
        usleep(2000 + (random >> 8) % 30000);  // 2 … 32 ms into the saves
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        ASSERT_TRUE(table().Load()) << "kill " << kill << " left a torn table:\n" << ReadAll(tablePath_);
        // Whole options are exactly what the values they give would be written as.
        const std::string optionsNow = ReadAll(optionsPath_);
        std::string problem;
        const RememberedOptions::Values values = RememberedOptions::Parse(optionsNow, problem);
        ASSERT_TRUE(problem.empty() && RememberedOptions::Format(values) == optionsNow)
            << "kill " << kill << " left torn options: " << problem << "\n"
            << optionsNow;
        const std::string now = ReadAll(tablePath_);
        tableChanges += now != previous;
        previous = now;
    }
    // The kills fell among the saves, not only before the first one.
    EXPECT_GE(tableChanges, 3);
}

}  // namespace
