#pragma once

namespace platform {

// Which volume control a sound buffer answers to besides its own: the music or the effects
// (the ambience counts as effects).
enum class SoundBus : int { Effects = 0, Music = 1 };

}  // namespace platform
