#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/Singleton.h"
#include "files/PackEntry.h"

// Decides once, when first created, whether data comes from the pack "data\ReedJumper.dat" or
// from loose files in the data folder, and answers every read of a data path accordingly.
//
// Data paths are formed as the game forms them ("data\" + name). On disk they are mapped onto the
// data root: backslashes become slashes, the "data\" prefix becomes the root folder, and file
// names are matched without regard to letter case.
class FileLoader final : public Singleton<FileLoader> {
public:
    struct ReadHandle {
        FILE* stream = nullptr;
        const PackEntry* entry = nullptr;  // set when the stream is the shared pack stream
        int32_t readableSize = 0;          // pack only: the entry's size cut at the pack's end
    };

    // Chooses the folder behind "data\"; call before the first Instance(). Default: the "data"
    // folder beside the executable.
    static void SetDataRoot(const std::string& folder);
    static const std::string& DataRoot();
    static bool DataRootExists();

    // Opens the pack when there is one. False, with one line on standard error naming the pack or
    // folder, when the pack cannot be opened or is damaged (short directory, entries outside the
    // pack; reads then stay cut at the pack's end) or when there is neither pack nor config.txt.
    bool Open();
    void Close();
    // Forgets the pack and detects it anew (tests, and a changed data root).
    void Reinitialize();

    bool PackAvailable() const { return packAvailable_; }
    std::string GetDataFolder() const { return kDataFolder; }
    bool FileExists(const std::string& path);
    bool FileExistsWithExtension(const std::string& name, const std::string& extension);
    ReadHandle OpenForReading(const std::string& path);

    // The disk path a data path maps onto (an existing file whatever its letter case, else the
    // path as formed).
    static std::string DiskPath(const std::string& path);

    static constexpr const char* kDataFolder = "data\\";
    static constexpr const char* kPackName = "ReedJumper.dat";
    // The file whose presence marks a folder of loose data files.
    static constexpr const char* kConfigName = "config.txt";

private:
    friend class Singleton<FileLoader>;
    FileLoader();
    ~FileLoader();

    const PackEntry* FindEntry(const std::string& path) const;
    int32_t ReadableSize(const PackEntry& entry) const;
    // False, naming the pack and its first bad entry, when entries lie outside the pack.
    bool CheckDirectory(const std::string& packPath) const;

    bool packAvailable_ = false;
    FILE* packStream_ = nullptr;
    int64_t packFileSize_ = 0;
    PackEntry directory_[pack::kMaxEntries] = {};
};
