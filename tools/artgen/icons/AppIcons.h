#pragma once

#include <string>

// The desktop's pictures of the game: the frog on a lily pad as PNG icons of every size the
// desktop asks for and as one scalable SVG, laid out as an icon theme wants them:
// <folder>/<size>x<size>/apps/reedjumper.png and <folder>/scalable/apps/reedjumper.svg.
// False (after one line) when a file cannot be written.
bool WriteAppIcons(const std::string& folder);
