#include "game/HighScore.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "core/StringUtil.h"
#include "files/AtomicWrite.h"
#include "files/FileLoader.h"
#include "files/UserFolder.h"
#include "gfx/HUDFont.h"
#include "platform/Clock.h"

namespace {

constexpr const char* kFileName = "HighScore.txt";
constexpr const char* kHeading = "Reedjumper - Highscores\n\n";
constexpr const char* kSeparator = "---------------------------------\n";
constexpr uint32_t kCheckXor = 0x3C5A9E71u;
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kLineBuffer = 1024;
// Table layout on the high-score screen.
constexpr int kFirstRowY = 120;
constexpr int kRowHeight = 35;
constexpr int kNameX = 200;
constexpr int kScoreRightX = 600;
// The edited row is hidden for one 333 ms slice of every three.
constexpr uint32_t kBlinkSliceMs = 333;
constexpr uint32_t kBlinkSlices = 3;

struct DefaultEntry {
    int32_t score;
    const char* name;
};
constexpr DefaultEntry kDefaults[HighScore::kNumEntries] = {
    {1000, "Lorimeth"}, {900, "Wendal"}, {800, "Brisko"}, {700, "Tarvold"}, {600, "Sunya"},
    {500, "Ulmaris"},   {400, "Fendar"}, {300, "Orno"},   {200, "Velisto"}, {100, "Kemaril"},
};

#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
// The fuzzing build reads tables whatever their check value, so its mutations reach the reader.
constexpr bool kDemandCheckValue = false;
#else
constexpr bool kDemandCheckValue = true;
#endif

constexpr unsigned char kAllowedLatin1[] = {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF};

}  // namespace

bool HighScore::IsAllowedChar(int code) {
    if (code >= 32 && code <= 126) return code != '%';
    for (unsigned char c : kAllowedLatin1) {
        if (code == c) return true;
    }
    return false;
}

uint32_t HighScore::Hash(std::string_view bytes) {
    uint32_t h = 0;
    for (char c : bytes) {
        const int32_t value = static_cast<signed char>(c);
        h = ((h << 8) | (h >> 24)) + static_cast<uint32_t>(value);
    }
    return h;
}

std::string HighScore::CheckString(std::string_view text) {
    const uint32_t h = Hash(text.empty() ? text : text.substr(0, text.size() - 1));
    return StringFormat("%x%x---%x", h, ~(h + 1u), (2u * h) ^ kCheckXor);
}

std::string HighScore::FilePath() const {
    if (!filePathOverride_.empty()) return filePathOverride_;
    return UserFolder::PathOf(kFileName);
}

std::string HighScore::DataFolderPath() {
    return FileLoader::DiskPath(std::string(FileLoader::kDataFolder) + kFileName);
}

std::string HighScore::ReadPath() const {
    const std::string path = FilePath();
    if (!filePathOverride_.empty() || access(path.c_str(), F_OK) == 0) return path;
    // A user folder that could not take the older table over still lets it be read where it is.
    return DataFolderPath();
}

void HighScore::Insert(Entry entry) {
    auto at = entries_.begin();
    while (at != entries_.end() && at->score >= entry.score) ++at;
    entries_.insert(at, std::move(entry));
}

void HighScore::SetDefaults() {
    entries_.clear();
    for (const DefaultEntry& d : kDefaults) Insert({d.score, d.name});
    edited_ = -1;
}

bool HighScore::Init() {
    // Older versions kept the table in the data folder; it moves into the user folder once, and
    // the original stays where it was.
    if (filePathOverride_.empty()) UserFolder::CarryOver(DataFolderPath(), kFileName);
    if (!Load()) {
        SetDefaults();
        Commit();
    }
    edited_ = -1;
    nameBuffer_.clear();
    return true;
}

bool HighScore::Load() {
    entries_.clear();
    edited_ = -1;
    std::FILE* file = std::fopen(ReadPath().c_str(), "r");
    if (!file) return false;
    std::string text;
    char line[kLineBuffer];
    bool ok = true;
    while (ok && static_cast<int>(entries_.size()) < kNumEntries) {
        if (!std::fgets(line, sizeof line, file)) {
            ok = false;
            break;
        }
        text += line;
        if (line[0] != '*') continue;
        // An entry line needs its ":" and its line end; without either the file is not ours.
        const char* colon = std::strchr(line, ':');
        const size_t length = std::strlen(line);
        int score = 0;
        if (!colon || length == 0 || line[length - 1] != '\n' || std::sscanf(line, "*%d:", &score) != 1) {
            ok = false;
            break;
        }
        std::string name;
        for (const char* p = colon + 1; *p && *p != '\n'; ++p) {
            if (IsAllowedChar(static_cast<unsigned char>(*p))) name += *p;
        }
        Insert({score, name});
    }
    if (ok) {
        const size_t separatorLength = std::strlen(kSeparator);
        bool sawSeparator = false;
        while (std::fgets(line, sizeof line, file)) {
            if (std::strncmp(line, kSeparator, separatorLength) == 0) {
                sawSeparator = true;
                break;
            }
            text += line;
        }
        ok = sawSeparator && std::fgets(line, sizeof line, file) != nullptr &&
             (!kDemandCheckValue || CheckString(text) == line);
    }
    std::fclose(file);
    return ok;
}

std::string HighScore::Text() const {
    std::string text = kHeading;
    for (const Entry& e : entries_) text += StringFormat("*%d:%s\n", e.score, e.name.c_str());
    return text;
}

void HighScore::Save() {
    // Written beside the table and renamed over it, so a failed write never loses the scores that were there.
    const std::string path = FilePath();
    const std::string text = Text();
    if (!WriteFileAtomically(path, text + kSeparator + CheckString(text))) {
        if (!saveFailureReported_) std::fprintf(stderr, "%s: cannot write the high scores\n", path.c_str());
        saveFailureReported_ = true;
    }
}

bool HighScore::Submit(int32_t score) {
    if (entries_.empty() || score <= entries_.back().score) return false;
    entries_.pop_back();
    Entry entry{score, nameBuffer_};
    auto at = entries_.begin();
    while (at != entries_.end() && at->score >= score) ++at;
    edited_ = static_cast<int>(at - entries_.begin());
    entries_.insert(at, std::move(entry));
    return true;
}

void HighScore::OnChar(int code) {
    if (!IsEditing()) return;
    Entry& entry = entries_[static_cast<size_t>(edited_)];
    if (code == kBackspace) {
        if (!nameBuffer_.empty()) {
            nameBuffer_.pop_back();
            entry.name = nameBuffer_;
        }
    } else if (code == kEnter) {
        entry.name = nameBuffer_;
        edited_ = -1;
        Save();
    } else if (nameBuffer_.size() < kMaxNameLength && IsAllowedChar(code)) {
        nameBuffer_ += static_cast<char>(code);
    }
}

void HighScore::Commit() {
    if (IsEditing()) {
        entries_[static_cast<size_t>(edited_)].name = nameBuffer_;
        edited_ = -1;
    }
    Save();
}

void HighScore::Draw() const {
    Font& font = HUDFont::Instance();
    int y = kFirstRowY;
    for (size_t i = 0; i < entries_.size(); ++i, y += kRowHeight) {
        const Entry& entry = entries_[i];
        const bool edited = static_cast<int>(i) == edited_;
        if (edited && (platform::TimeGetTime() / kBlinkSliceMs) % kBlinkSlices == 0) continue;
        font.DrawText(kNameX, y, edited ? nameBuffer_ : entry.name, false);
        font.DrawText(kScoreRightX, y, StringFormat("%d", entry.score), true);
    }
}
