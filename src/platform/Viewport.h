#pragma once

// Where the game's picture lies in a window of any size: scaled as large as it fits, keeping its
// aspect ratio, centred, with black bars on the two remaining sides.
namespace platform {

struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct GamePoint {
    int x = 0;
    int y = 0;
};

Viewport LetterboxViewport(int outputWidth, int outputHeight, int gameWidth, int gameHeight);
// The picture at the largest whole factor that fits (crisp pixels), centred with black around it;
// an output smaller than the picture gets the letterbox instead.
Viewport IntegerViewport(int outputWidth, int outputHeight, int gameWidth, int gameHeight);

// A window point in game pixels. Points on the bars lie outside 0 … gameWidth − 1 (negative to
// the left and above).
GamePoint WindowToGame(const Viewport& viewport, int gameWidth, int gameHeight, int windowX, int windowY);

}  // namespace platform
