#include "files/FileLoader.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <vector>

#include "core/StringUtil.h"

namespace {

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return ".";
    buffer[length] = '\0';
    std::string path(buffer);
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string& Root() {
    static std::string root = ExecutableFolder() + "/data";
    return root;
}

bool IsDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A folder's entry names in the order the folder lists them.
struct Listing {
    std::string folder;
    dev_t device = 0;
    ino_t inode = 0;
    timespec modified{};
    std::shared_ptr<const std::vector<std::string>> names;
};

// A listing is kept only when the folder had been unchanged for this long when it was read: a
// file system with coarse time stamps could otherwise add an entry within the same tick, and the
// folder's time would not tell.
constexpr time_t kSettledSeconds = 2;

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// The names in `folder`, from the kept listing while the folder's modification time is the one it
// was read at (an entry added or removed changes that time), else read anew. Missing files are
// asked for many times at start-up (optional alpha pictures, masks, frame lists, sound forms), and
// each miss used to read the whole folder.
std::shared_ptr<const std::vector<std::string>> FolderNames(const std::string& folder) {
    static std::mutex mutex;
    static std::vector<Listing> kept;
    const std::string path = folder.empty() ? "." : folder;
    struct stat info;
    const bool known = stat(path.c_str(), &info) == 0;
    std::lock_guard lock(mutex);
    if (known) {
        for (const Listing& listing : kept) {
            if (listing.folder == path && listing.device == info.st_dev && listing.inode == info.st_ino &&
                SameTime(listing.modified, info.st_mtim)) {
                return listing.names;
            }
        }
    }
    auto names = std::make_shared<std::vector<std::string>>();
    if (DIR* dir = opendir(path.c_str())) {
        while (const dirent* e = readdir(dir)) names->emplace_back(e->d_name);
        closedir(dir);
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (known && info.st_mtim.tv_sec + kSettledSeconds <= now.tv_sec) {
        std::erase_if(kept, [&path](const Listing& listing) { return listing.folder == path; });
        kept.push_back(Listing{path, info.st_dev, info.st_ino, info.st_mtim, names});
    }
    return names;
}

// The entry of `folder` whose name equals `name` without regard to ASCII letter case.
std::string FindCaseInsensitive(const std::string& folder, const std::string& name) {
    std::string found = name;
    const auto names = FolderNames(folder);
    for (const std::string& entry : *names) {
        if (strcasecmp(entry.c_str(), name.c_str()) == 0) {
            found = entry;
            if (found == name) break;  // an exact match wins over another spelling
        }
    }
    return found;
}

}  // namespace

void FileLoader::SetDataRoot(const std::string& folder) {
    Root() = folder;
    while (Root().size() > 1 && Root().back() == '/') Root().pop_back();
}

const std::string& FileLoader::DataRoot() { return Root(); }

bool FileLoader::DataRootExists() { return IsDirectory(Root()); }

std::string FileLoader::DiskPath(const std::string& path) {
    std::string p = path;
    for (char& c : p) {
        if (c == '\\') c = '/';
    }
    if (ToLower(p.substr(0, 5)) == "data/") p = Root() + p.substr(4);
    const size_t slash = p.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : p.substr(0, slash);
    const std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
    if (name.empty()) return p;
    struct stat info;
    if (stat(p.c_str(), &info) == 0) return p;
    const std::string match = FindCaseInsensitive(folder, name);
    return folder.empty() ? match : folder + "/" + match;
}

FileLoader::FileLoader() { Reinitialize(); }

FileLoader::~FileLoader() { Close(); }

void FileLoader::Reinitialize() {
    Close();
    packAvailable_ = false;
    packFileSize_ = 0;
    std::memset(directory_, 0, sizeof directory_);
    // Tested while packAvailable_ is still false, i.e. as a loose file.
    packAvailable_ = FileExists(std::string(kDataFolder) + kPackName);
}

bool FileLoader::Open() {
    if (!packAvailable_) {
        if (FileExists(std::string(kDataFolder) + kConfigName)) return true;
        std::fprintf(stderr, "%s: the data folder holds neither the pack %s nor loose data files (%s)\n",
                     Root().c_str(), kPackName, kConfigName);
        return false;
    }
    if (packStream_) return true;
    const std::string packPath = DiskPath(std::string(kDataFolder) + kPackName);
    packStream_ = std::fopen(packPath.c_str(), "rb");
    if (!packStream_) {
        std::fprintf(stderr, "%s: the pack cannot be opened: %s\n", packPath.c_str(), std::strerror(errno));
        return false;
    }
    std::fseek(packStream_, 0, SEEK_END);
    packFileSize_ = std::ftell(packStream_);
    std::fseek(packStream_, 0, SEEK_SET);
    const size_t read = std::fread(directory_, 1, pack::kDirectoryBytes, packStream_);
    if (read != static_cast<size_t>(pack::kDirectoryBytes)) {
        std::fprintf(stderr, "%s: damaged pack: %lld bytes, too short for its directory of %d\n", packPath.c_str(),
                     static_cast<long long>(packFileSize_), pack::kDirectoryBytes);
        return false;
    }
    return CheckDirectory(packPath);
}

bool FileLoader::CheckDirectory(const std::string& packPath) const {
    int outside = 0;
    const PackEntry* first = nullptr;
    for (const PackEntry& entry : directory_) {
        if (entry.size == 0) break;
        const int64_t end = static_cast<int64_t>(entry.offset) + entry.size;
        // The pack's label entry names the directory itself; every other entry lies behind it.
        const bool label = entry.offset == 0 && entry.size == static_cast<uint32_t>(pack::kDirectoryBytes);
        if ((!label && entry.offset < static_cast<uint32_t>(pack::kDirectoryBytes)) || end > packFileSize_) {
            if (!first) first = &entry;
            ++outside;
        }
    }
    if (!first) return true;
    // Reads stay cut at the pack's end, but a pack that lies about its files is not played.
    std::fprintf(stderr,
                 "%s: damaged pack: %d directory entries lie outside its %lld bytes (the first, '%.*s', at %u with "
                 "%u bytes)\n",
                 packPath.c_str(), outside, static_cast<long long>(packFileSize_),
                 static_cast<int>(strnlen(first->name, PackEntry::kNameSize)), first->name, first->offset, first->size);
    return false;
}

void FileLoader::Close() {
    if (packStream_) std::fclose(packStream_);
    packStream_ = nullptr;
}

const PackEntry* FileLoader::FindEntry(const std::string& path) const {
    const std::string lowered = ToLower(path);
    for (const PackEntry& entry : directory_) {
        // Names compare within their 48 bytes, also when a name lacks its NUL.
        const size_t length = strnlen(entry.name, PackEntry::kNameSize);
        if (length == lowered.size() && std::memcmp(entry.name, lowered.data(), length) == 0) {
            return entry.size != 0 ? &entry : nullptr;
        }
        if (entry.size == 0) return nullptr;
    }
    return nullptr;
}

int32_t FileLoader::ReadableSize(const PackEntry& entry) const {
    if (entry.offset >= packFileSize_) return 0;
    const int64_t available = packFileSize_ - entry.offset;
    const int64_t size = entry.size < available ? entry.size : available;
    return static_cast<int32_t>(size > INT32_MAX ? INT32_MAX : size);
}

bool FileLoader::FileExists(const std::string& path) {
    if (packAvailable_) return FindEntry(path) != nullptr;
    FILE* f = std::fopen(DiskPath(path).c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

bool FileLoader::FileExistsWithExtension(const std::string& name, const std::string& extension) {
    return FileExists(kDataFolder + name + extension);
}

FileLoader::ReadHandle FileLoader::OpenForReading(const std::string& path) {
    ReadHandle handle;
    if (packAvailable_) {
        if (!packStream_) return handle;
        const PackEntry* entry = FindEntry(path);
        if (!entry) return handle;
        std::fseek(packStream_, entry->offset, SEEK_SET);
        handle.stream = packStream_;
        handle.entry = entry;
        handle.readableSize = ReadableSize(*entry);
        return handle;
    }
    handle.stream = std::fopen(DiskPath(path).c_str(), "rb");
    return handle;
}
