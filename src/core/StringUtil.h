#pragma once

#include <string>
#include <string_view>

// Every character of `chars` removed from `text`.
std::string RemoveChars(std::string_view text, std::string_view chars);

// ASCII letters A–Z lowered; every other byte (also Latin-1 letters) kept as it is.
std::string ToLower(std::string_view text);

// Resource name as written in the code ("FROG_MOVE_UP") → catalogue key and file base name
// ("frogmoveup").
std::string MakeAssetKey(std::string_view name);

// MakeAssetKey of a name, computed once per name and kept for the life of the process, so
// callers can hand out references (sprite names of per-state tables).
const std::string& StaticAssetKey(std::string_view name);

// Indexed settings keys: the index appended with two digits, zero-padded ("areaType", 3 → areaType03).
std::string IndexedKey(std::string_view key, int index);

// printf-style formatting into a std::string.
std::string StringFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
