#include "files/AtomicWrite.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "TempFolder.h"

namespace {

// Version `n` of a file large enough that writing it takes a while: a kill lands inside a write
// often. Each version is recognisable whole: its number at both ends and a filling made from it.
constexpr size_t kVersionBytes = 1 << 20;
constexpr int kVersions = 4;
constexpr int kKills = 40;

std::string Version(int n) {
    std::string text = "version " + std::to_string(n) + "\n";
    text.resize(kVersionBytes - 16, static_cast<char>('a' + n));
    return text + "\nend of version " + std::to_string(n);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(AtomicWriteTest, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
    const TempFolder folder("rj-atomic");
    const std::string path = folder.File("file.txt");
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    EXPECT_EQ(ReadAll(path), "old");
    // The temporary file cannot be made where a folder of its name stands.
    std::filesystem::create_directories(path + ".tmp/keep");
    EXPECT_FALSE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(ReadAll(path), "old");
    EXPECT_FALSE(WriteFileAtomically(folder.File("no-such-folder/file.txt"), "new"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("no-such-folder")));
}

// A process killed at any moment of repeated saves leaves the file whole: one of the versions it
// was writing, never a mixture, a cut or an empty file.
TEST(AtomicWriteTest, AKillDuringRepeatedWritesNeverLeavesATornFile) {
    const TempFolder folder("rj-atomic-kill");
    const std::string path = folder.File("file.txt");
    ASSERT_TRUE(WriteFileAtomically(path, Version(0)));
    uint32_t random = 12345;
    int changes = 0;
    std::string previous = ReadAll(path);
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 1;; n = n % (kVersions - 1) + 1) {
                if (!WriteFileAtomically(path, Version(n))) _exit(3);
            }
        }
        random = random * 1664525u + 1013904223u;
        usleep(5000 + (random >> 8) % 120000);  // 5 … 125 ms into the saves
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself with status " << WEXITSTATUS(status);
        const std::string now = ReadAll(path);
        bool whole = false;
        for (int n = 0; n < kVersions; ++n) whole = whole || now == Version(n);
        ASSERT_TRUE(whole) << "kill " << kill << ": " << now.size() << " bytes, starting \"" << now.substr(0, 12)
                           << "\"";
        changes += now != previous;
        previous = now;
    }
    // The kills fell while versions were being replaced, not only before the first save (a save
    // takes 2 … 50 ms on a disk, more on a busy machine).
    EXPECT_GE(changes, 3);
}
