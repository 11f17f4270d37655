#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Typed text arrives from SDL as UTF-8; the character messages carry Latin-1 codes.
namespace platform {

// The printable Latin-1 characters of `utf8` (0x20 … 0x7E and 0xA0 … 0xFF, so Ä Ö Ü ä ö ü ß
// become 0xC4 0xD6 0xDC 0xE4 0xF6 0xFC 0xDF). Control characters, characters beyond Latin-1 and
// malformed sequences are dropped.
std::vector<uint8_t> Latin1FromUtf8(std::string_view utf8);

}  // namespace platform
