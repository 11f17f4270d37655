#include "settings/SettingsFile.h"

#include "settings/StringTokenizer.h"
#include "files/File.h"

namespace {
const char* const kDelimiters = " \t";

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
    path_ = path;
    lines_.clear();
    char buffer[kLineBufferSize];
    while (!file.IsEndOfFile()) {
        if (!file.ReadLine(buffer, kLineBufferSize)) break;
        std::string line(buffer);
        if (!line.empty() && line.back() == '\n') line.pop_back();
        lines_.push_back(std::move(line));
    }
    return true;
}

bool SettingsFile::FindLine(const std::string& key, const std::string* section, std::string& line) const {
    const std::string wanted = Upper(key);
    const std::string wantedSection = section ? Upper(*section) : std::string();
    bool inSection = false;
    for (const std::string& candidate : lines_) {
        if (!candidate.empty() && candidate[0] == '#') continue;
        StringTokenizer tokens(candidate, kDelimiters);
        if (tokens.Count() == 0) continue;
        const std::string first = Upper(tokens.NextToken());
        if (first == "SECTION" && tokens.Remaining() > 0) {
            if (section && Upper(tokens.NextToken()) == wantedSection) inSection = true;
        }
        if (first == "ENDSECTION") inSection = false;
        if ((!section || inSection) && first == wanted) {
            line = candidate;
            return true;
        }
    }
    return false;
}
