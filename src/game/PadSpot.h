#pragma once

// Where the gamepad's highlight stands on the title menu: on one of its buttons, or on one of the
// volume rows, where left and right step the volume instead of moving the highlight on.
enum class PadSpot { None, Music, Shadows, MusicVolume, EffectsVolume, Start, Help, HighScores, Exit };
