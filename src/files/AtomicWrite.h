#pragma once

#include <string>

// Writes contents to path through a file beside it ("<path>.tmp") that is flushed to the disk and
// then renamed over the old file, so a failed or interrupted write never leaves half a file and
// never loses what was there. Returns false (and removes the temporary file) when any step fails.
bool WriteFileAtomically(const std::string& path, const std::string& contents);
