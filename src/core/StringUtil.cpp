#include "core/StringUtil.h"

#include <cstdarg>
#include <cstdio>
#include <map>
#include <mutex>
#include <vector>

std::string RemoveChars(std::string_view text, std::string_view chars) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (chars.find(c) == std::string_view::npos) out += c;
    }
    return out;
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string MakeAssetKey(std::string_view name) { return ToLower(RemoveChars(name, "_")); }

const std::string& StaticAssetKey(std::string_view name) {
    static std::map<std::string, std::string, std::less<>> keys;  // entries never move
    static std::mutex guard;
    std::lock_guard<std::mutex> lock(guard);
    auto it = keys.find(name);
    if (it == keys.end()) it = keys.emplace(std::string(name), MakeAssetKey(name)).first;
    return it->second;
}

std::string IndexedKey(std::string_view key, int index) {
    return StringFormat("%.*s%02d", static_cast<int>(key.size()), key.data(), index);
}

std::string StringFormat(const char* format, ...) {
    if (format == nullptr) return {};
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        out.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    return out;
}
