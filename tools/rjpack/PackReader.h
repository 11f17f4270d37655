#pragma once

#include <string>

// Prints "name offset size" for every directory entry up to the terminating one.
bool ListPack(const std::string& packPath);
// Writes every entry but the label into `outFolder` under its name without the "data\" prefix.
bool ExtractPack(const std::string& packPath, const std::string& outFolder);
