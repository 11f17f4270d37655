#pragma once

#include <memory>
#include <string>
#include <vector>

class Image;

// Pictures, alpha pictures and frame lists by base name, from the pack or the data folder.

// "<name>.bmp", else "<name>.jpg" with "<name>_Mask.bmp" as its mask. Missing or unreadable: the
// quit request (exit code −1) with one line on standard error, and nothing. With `convert` the
// picture is remapped (magenta → black), converted to the display format and masked.
std::unique_ptr<Image> LoadImage(const std::string& name, bool convert);

// "<name>Alpha.bmp", else "<name>Alpha.jpg" masked with "<name>_Mask.bmp"; converted to 8-bit
// alpha. Nothing (and no quit) when there is none.
std::unique_ptr<Image> LoadAlphaImage(const std::string& name);

// "<name>Frames.txt": one frame number per line. False with an empty list when the file does
// not exist; lines without a number are skipped.
bool LoadFrameList(const std::string& name, std::vector<int>& list);
