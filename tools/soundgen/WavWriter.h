#pragma once

#include <string>

#include "Buffer.h"

// Writes a RIFF WAVE file: PCM, 16-bit, the buffer's rate and channels, the canonical 44-byte
// header (so "fmt " and "data" sit on the four-byte steps the game's reader scans).
// False, with one line on standard error, when the file cannot be written.
bool WriteWav(const std::string& path, const Buffer& buffer);
