#pragma once

#include <string>

// Packs every regular file of `folder` (not its subfolders, not hidden files) as
// "data\<file name lower-cased>" after a label entry, into a new pack file. On any problem it
// prints one line naming the file and writes nothing.
bool CreatePack(const std::string& packPath, const std::string& folder, const std::string& label);
