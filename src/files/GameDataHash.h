#pragma once

#include <string>

// A fingerprint of the data that decides how a game runs: the settings file and the levels'
// placed-object files, read through the file loader (pack or folder), hashed with 64-bit FNV-1a
// and written as 16 hex digits. Pictures and sounds only change how a game looks and sounds, and
// the generators need not make them byte for byte alike on every machine, so they are left out.
std::string HashGameData();
