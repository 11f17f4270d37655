#include "settings/SettingsFile.h"

#include "settings/StringTokenizer.h"
#include "files/File.h"
#include "files/FileLoader.h"

namespace {
const char* const kDelimiters = " \t";

std::string Shown(const std::string& path) {
    if (!FileLoader::Instance().PackAvailable()) return FileLoader::DiskPath(path);
    const std::string folder = FileLoader::kDataFolder;
    const std::string entry = path.compare(0, folder.size(), folder) == 0 ? path.substr(folder.size()) : path;
    return FileLoader::DiskPath(folder + FileLoader::kPackName) + " (" + entry + ")";
}

std::string Upper(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}
}  // namespace

bool SettingsFile::Load(const std::string& path) {
    File file;
    if (!file.Open(path, "r")) return false;
    shownPath_ = Shown(path);
    lines_.clear();
    char buffer[kLineBufferSize];
    while (!file.IsEndOfFile()) {
        if (!file.ReadLine(buffer, kLineBufferSize)) break;
        std::string line(buffer);
        if (!line.empty() && line.back() == '\n') line.pop_back();
        lines_.push_back(std::move(line));
    }
    words_.clear();
    words_.reserve(lines_.size());
    for (const std::string& candidate : lines_) {
        LineWords words;
        StringTokenizer tokens(candidate, kDelimiters);
        if ((candidate.empty() || candidate[0] != '#') && tokens.Count() > 0) {
            words.none = false;
            words.first = Upper(tokens.NextToken());
            words.hasSecond = tokens.Remaining() > 0;
            if (words.hasSecond) words.second = Upper(tokens.NextToken());
        }
        words_.push_back(std::move(words));
    }
    return true;
}

bool SettingsFile::FindLine(const std::string& key, const std::string* section, std::string& line) const {
    const std::string wanted = Upper(key);
    const std::string wantedSection = section ? Upper(*section) : std::string();
    bool inSection = false;
    for (size_t i = 0; i < words_.size(); ++i) {
        const LineWords& words = words_[i];
        if (words.none) continue;
        if (words.first == "SECTION" && words.hasSecond) {
            if (section && words.second == wantedSection) inSection = true;
        }
        if (words.first == "ENDSECTION") inSection = false;
        if ((!section || inSection) && words.first == wanted) {
            line = lines_[i];
            return true;
        }
    }
    return false;
}
