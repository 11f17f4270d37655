#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads a whole data file into memory through the file layer (pack or folder): size first, then
// one read. False when the file is missing, empty or shorter than its size said.
bool ReadWholeSfxFile(const std::string& fileName, std::vector<uint8_t>& bytes);

// The extension test of the decoders: the last three characters, upper-cased, equal `upper`
// ("WAV", "OGG").
bool HasSfxExtension(const std::string& fileName, const char* upper);
