#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/FrameScaler.h"
#include "platform/MessageQueue.h"
#include "platform/Present.h"
#include "platform/Viewport.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Surface;
struct SDL_Rect;
union SDL_Event;

// The program's one window. It turns SDL's events into the messages of the window procedure and
// shows the frames the display device presents, scaled to the window and letterboxed. A headless
// window has no SDL part at all: it only carries the window procedure for the posted messages.
namespace platform {

using WindowProc = std::function<LRESULT(Window* window, uint32_t message, WPARAM wParam, LPARAM lParam)>;

class Window final : public EventSource {
public:
    struct Options {
        std::string title = "Reedjumper";
        int width = 800;  // the game's picture in game pixels
        int height = 600;
        bool fullScreen = true;     // the desktop's full screen; otherwise a resizable window
        bool integerScale = false;  // whole factors only (crisp pixels), black around the picture
    };
    // Told when the player switches full screen on or off (F11, Alt+Enter), to remember it.
    using FullScreenListener = std::function<void(bool fullScreen)>;

    // Null when no window can be opened; `error` then says why ("cannot open a window: …").
    static std::unique_ptr<Window> Create(const Options& options, WindowProc proc, std::string& error);
    static std::unique_ptr<Window> CreateHeadless(const Options& options, WindowProc proc);
    // The window opened last and still alive, or null.
    static Window* Main();

    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Shows the window and gives it the focus, as a window shown active gets it.
    void Show();
    // Sends WM_DESTROY to the window procedure and hides the window; later frames are dropped.
    void Destroy();
    bool IsDestroyed() const { return destroyed_; }
    bool HasVideo() const { return window_ != nullptr; }

    LRESULT CallProc(uint32_t message, WPARAM wParam, LPARAM lParam);

    // A point of the window (SDL's window coordinates) in game pixels.
    GamePoint ToGame(int windowX, int windowY) const;
    // Where the picture lies in an output of the given size (output pixels).
    Viewport PictureViewport(int outputWidth, int outputHeight) const;

    bool IsFullScreen() const { return options_.fullScreen; }
    // Full screen on the desktop's mode, or back to the window's former size and place.
    void SetFullScreen(bool fullScreen);
    void SetFullScreenListener(FullScreenListener listener) { fullScreenListener_ = std::move(listener); }
    void SetIntegerScale(bool integerScale);
    // False in full screen once the pointer has rested for a while: the menus then draw none.
    bool IsPointerShown() const;
    int GameWidth() const { return options_.width; }
    int GameHeight() const { return options_.height; }

    void PollEvents() override;
    void WaitEvents(uint32_t timeoutMs) override;
    // One SDL event into the messages it means (public so that the mapping can be tested).
    void TranslateEvent(const SDL_Event& event);

private:
    Window(const Options& options, WindowProc proc);
    bool OpenVideo(std::string& error);
    void SetIcon();
    void Present(const FrameView& frame);
    void Redraw();
    // Through the window's own pixels (no renderer) or an SDL renderer with a streaming texture.
    void RedrawSurface();
    void RedrawRenderer();
    // F11 or Alt+Enter (not a repeat): true when the key switched full screen.
    bool TakeFullScreenKey(const SDL_Event& event);
    void NotePointerMoved();
    void PostFocus(bool gained);
    void PostMouse(uint32_t message, int windowX, int windowY);

    Options options_;
    WindowProc proc_;
    bool destroyed_ = false;
    bool closePosted_ = false;
    int clientWidth_ = 0;  // window coordinates, for the mouse
    int clientHeight_ = 0;
    bool barsStale_ = true;  // the black around the picture must be drawn again
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;  // only where a real graphics processor scales
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    bool videoInitialised_ = false;
    // The last frame as presented (its own format), for redrawing after a resize or exposure.
    std::vector<uint8_t> frame_;
    FrameView frameView_;
    FrameScaler scaler_;
    // One flag per frame row: the row differs from the one the window's pixels show. Only those
    // rows are drawn and sent again, while the pixels and the picture's place stay the same.
    std::vector<uint8_t> changedRows_;
    std::vector<FrameScaler::Band> bands_;
    std::vector<SDL_Rect> rects_;
    // What the window's pixels were last drawn whole for.
    const void* drawnPixels_ = nullptr;  // the window's own or the staging's
    const void* drawnSurface_ = nullptr;
    int drawnWidth_ = 0;
    int drawnHeight_ = 0;
    Viewport drawnViewport_;
    bool resendAll_ = false;          // the display lost what it showed
    SDL_Surface* staging_ = nullptr;  // 32-bit pixels for a window whose own are not
    // The windowed size and place to return to from full screen.
    int windowedX_ = 0, windowedY_ = 0, windowedWidth_ = 0, windowedHeight_ = 0;
    bool haveWindowedPlace_ = false;
    FullScreenListener fullScreenListener_;
    uint32_t pointerMovedMs_ = 0;
};

}  // namespace platform
