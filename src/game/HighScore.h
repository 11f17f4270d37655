#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/Singleton.h"

// The ten best scores with a name each, kept in "HighScore.txt" with a check value at its end
// so that a hand-edited file is noticed (and replaced by the defaults).
class HighScore final : public Singleton<HighScore> {
public:
    struct Entry {
        int32_t score = 0;
        std::string name;
    };

    static constexpr int kNumEntries = 10;
    static constexpr size_t kMaxNameLength = 11;

    bool Init();
    bool Load();
    void Save();
    void SetDefaults();
    bool Submit(int32_t score);
    void OnChar(int code);
    void Commit();
    void Draw() const;

    bool IsEditing() const { return edited_ >= 0; }
    const std::vector<Entry>& Entries() const { return entries_; }
    int EditedIndex() const { return edited_; }
    const std::string& NameBuffer() const { return nameBuffer_; }

    // The file's disk path: "HighScore.txt" in the user folder.
    std::string FilePath() const;
    // Where older versions kept it: in the data folder.
    static std::string DataFolderPath();
    // Tests and the runner may point the table at another file; a failure to write it is told
    // once per file.
    void SetFilePath(const std::string& path) {
        filePathOverride_ = path;
        saveFailureReported_ = false;
    }

    static bool IsAllowedChar(int code);
    static uint32_t Hash(std::string_view bytes);
    // The check value written after the separator, computed over the text before it.
    static std::string CheckString(std::string_view text);

private:
    friend class Singleton<HighScore>;
    HighScore() = default;

    std::string ReadPath() const;  // the file, or the data folder's while the user folder has none
    std::string Text() const;      // heading and entry lines, as written before the separator
    void Insert(Entry entry);      // after existing entries with an equal score

    std::vector<Entry> entries_;
    int edited_ = -1;
    std::string nameBuffer_;
    std::string filePathOverride_;
    bool saveFailureReported_ = false;
};
