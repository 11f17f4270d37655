#pragma once

#include <cstdint>
#include <string>

#include "Buffer.h"

// Encodes the buffer as Ogg Vorbis (variable bit rate at `quality`, −0.1 … 1) with a fixed
// stream serial number, so the same samples give the same file for one libvorbis version.
// False, with one line on standard error, when encoding or writing fails.
bool WriteOgg(const std::string& path, const Buffer& buffer, float quality, uint32_t serial);
