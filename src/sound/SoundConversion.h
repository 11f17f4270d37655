#pragma once

struct SoundData;

// Prepares a decoded sound for its buffer: a rate above 22050 Hz is halved once (every second
// frame dropped, no filtering: 48000 becomes 24000) and, with `mono`, stereo is mixed down
// (left/2 + right/2, 8-bit samples around 128). False for sample sizes other than 8, 16 and 32
// bits.
bool ConvertSound(const SoundData& in, bool mono, SoundData& out);
