#pragma once

#include <cstdint>
#include <string>

#include "Buffer.h"

// Encodes the buffer as Ogg Vorbis (variable bit rate at `quality`, −0.1 … 1) with a fixed
// stream serial number, so the same samples give the same file for one libvorbis version.
// For a loop, the encoder is also given the loop's first samples after its end, and the last
// packet's granule position then cuts them off again: the final block is coded with the real
// continuation instead of padding, so the decoded end joins the decoded start.
// False, with one line on standard error, when encoding or writing fails.
bool WriteOgg(const std::string& path, const Buffer& buffer, float quality, uint32_t serial, bool loop);
