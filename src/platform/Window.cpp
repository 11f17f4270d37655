#include "platform/Window.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/MessageBoxParent.h"
#include "platform/TextInput.h"
#include "platform/GraphicsDevice.h"
#include "platform/KeyMap.h"
#include "platform/SdlGamepads.h"
#include "platform/WindowIcon.h"

namespace platform {
namespace {

Window* g_main = nullptr;

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

// True when the renderer draws with OpenGL emulated on the processor (Mesa's llvmpipe and
// softpipe, as on a virtual X server): SDL's own software renderer costs far less there.
bool IsEmulatedOpenGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || SDL_strncmp(info.name, "opengl", 6) != 0) return false;
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString) return false;
    const auto* name = reinterpret_cast<const char*>(getString(kGlRenderer));
    return name && (SDL_strstr(name, "llvmpipe") || SDL_strstr(name, "softpipe") || SDL_strstr(name, "Software"));
}

// Changed rows of the picture this close together are sent to the display as one rectangle.
constexpr int kRowsApartToSend = 8;

// In full screen the menus stop drawing the pointer after it has rested this long.
constexpr uint32_t kPointerRestMs = 3000;

// The key-message lParam: repeat count 1, bit 30 set when the key was already down.
constexpr LPARAM kKeyRepeatCount = 1;
constexpr LPARAM kKeyWasDown = LPARAM{1} << 30;

}  // namespace

Window::Window(const Options& options, WindowProc proc)
    : options_(options), proc_(std::move(proc)), clientWidth_(options.width), clientHeight_(options.height) {}

std::unique_ptr<Window> Window::CreateHeadless(const Options& options, WindowProc proc) {
    std::unique_ptr<Window> window(new Window(options, std::move(proc)));
    g_main = window.get();
    return window;
}

std::unique_ptr<Window> Window::Create(const Options& options, WindowProc proc, std::string& error) {
    std::unique_ptr<Window> window(new Window(options, std::move(proc)));
    if (!window->OpenVideo(error)) return nullptr;
    g_main = window.get();
    SetEventSource(window.get());
    SetMessageBoxParent(window->window_);
    Window* self = window.get();
    SetPresentHook([self](const FrameView& frame) { self->Present(frame); });
    return window;
}

Window* Window::Main() { return g_main; }

bool Window::OpenVideo(std::string& error) {
    if (!SDL_getenv("SDL_VIDEODRIVER") && !SDL_getenv("DISPLAY") && !SDL_getenv("WAYLAND_DISPLAY")) {
        error = "cannot open a window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = std::string("cannot open a window: ") + SDL_GetError();
        return false;
    }
    videoInitialised_ = true;
    // Without X11 or Wayland SDL falls back to drivers that show nothing; a game nobody can see
    // would run on forever. They stay available when asked for by name (SDL_VIDEODRIVER).
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver && !SDL_getenv("SDL_VIDEODRIVER") &&
        (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0 ||
         SDL_strcmp(driver, "evdev") == 0)) {
        error = "cannot open a window: no display (neither X11 nor Wayland is available)";
        return false;
    }
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE;
    if (options_.fullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window_ = SDL_CreateWindow(options_.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, options_.width,
                               options_.height, flags);
    if (!window_) {
        error = std::string("cannot open a window: ") + SDL_GetError();
        return false;
    }
    // A real graphics processor scales for free: then an SDL renderer shows the frame. Without one
    // (no graphics device at all, OpenGL emulated on the processor as on a virtual X server, no
    // renderer, or the software renderer asked for by name) the frame goes straight into the
    // window's own pixels through our scaler. No vertical sync: the game paces itself at 50 frames
    // a second, and waiting for a 60 Hz blank would round every frame up to two blanks.
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    const bool tryRenderer = asked ? SDL_strcasecmp(asked, "software") != 0 : MayHaveGraphicsProcessor();
    if (tryRenderer) {
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
        if (renderer_ && !asked && IsEmulatedOpenGl(renderer_)) {
            SDL_DestroyRenderer(renderer_);
            renderer_ = nullptr;
        }
    }
    if (!renderer_) {
        // The window's pixels themselves, not an emulated OpenGL texture behind them.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (!SDL_GetWindowSurface(window_)) {
            error = std::string("cannot open a window: ") + SDL_GetError();
            return false;
        }
    }
    SDL_GetWindowSize(window_, &clientWidth_, &clientHeight_);
    pointerMovedMs_ = SDL_GetTicks();
    SetIcon();
    SDL_StartTextInput();
    return true;
}

void Window::SetIcon() {
    std::vector<uint32_t> pixels = DrawWindowIcon();
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), kWindowIconSize, kWindowIconSize, 32,
                                                           kWindowIconSize * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return;
    SDL_SetWindowIcon(window_, icon);
    SDL_FreeSurface(icon);
}

Window::~Window() {
    if (g_main == this) {
        g_main = nullptr;
        SetEventSource(nullptr);
    }
    if (window_) {
        SetPresentHook({});
        SetMessageBoxParent(nullptr);
    }
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (staging_) SDL_FreeSurface(staging_);
    if (window_) SDL_DestroyWindow(window_);
    if (videoInitialised_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void Window::Show() {
    if (window_) {
        SDL_ShowWindow(window_);
        SDL_RaiseWindow(window_);
        PostMessage(this, WM_SETCURSOR, 0, 0);
    }
    PostFocus(true);
    // The window manager has answered the showing by now (a full screen's size, the first
    // exposure): taken before the first frame, the window's pixels are made once at their final
    // size instead of being drawn whole and made again when the size arrives later.
    if (window_) PollEvents();
}

void Window::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    if (window_) SDL_HideWindow(window_);
    CallProc(WM_DESTROY, 0, 0);
}

LRESULT Window::CallProc(uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (proc_) return proc_(this, message, wParam, lParam);
    return DefWindowProc(this, message, wParam, lParam);
}

Viewport Window::PictureViewport(int outputWidth, int outputHeight) const {
    return options_.integerScale ? IntegerViewport(outputWidth, outputHeight, options_.width, options_.height)
                                 : LetterboxViewport(outputWidth, outputHeight, options_.width, options_.height);
}

GamePoint Window::ToGame(int windowX, int windowY) const {
    // The picture is placed in output pixels, which a high-density screen has more of than
    // window coordinates.
    int outputWidth = clientWidth_, outputHeight = clientHeight_;
    if (window_) SDL_GetWindowSizeInPixels(window_, &outputWidth, &outputHeight);
    int x = windowX, y = windowY;
    if (clientWidth_ > 0 && clientHeight_ > 0 && (outputWidth != clientWidth_ || outputHeight != clientHeight_)) {
        x = static_cast<int>(static_cast<int64_t>(windowX) * outputWidth / clientWidth_);
        y = static_cast<int>(static_cast<int64_t>(windowY) * outputHeight / clientHeight_);
    }
    return WindowToGame(PictureViewport(outputWidth, outputHeight), options_.width, options_.height, x, y);
}

void Window::SetFullScreen(bool fullScreen) {
    if (fullScreen == options_.fullScreen) return;
    if (window_) {
        if (fullScreen) {
            SDL_GetWindowPosition(window_, &windowedX_, &windowedY_);
            SDL_GetWindowSize(window_, &windowedWidth_, &windowedHeight_);
            haveWindowedPlace_ = true;
            if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return;
        } else {
            if (SDL_SetWindowFullscreen(window_, 0) != 0) return;
            // Back to the size and place the window had; a game started full screen gets the
            // picture's own size, centred.
            if (haveWindowedPlace_) {
                SDL_SetWindowSize(window_, windowedWidth_, windowedHeight_);
                SDL_SetWindowPosition(window_, windowedX_, windowedY_);
            } else {
                SDL_SetWindowSize(window_, options_.width, options_.height);
                SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
            }
        }
        pointerMovedMs_ = SDL_GetTicks();
    }
    options_.fullScreen = fullScreen;
    barsStale_ = true;
    if (fullScreenListener_) fullScreenListener_(fullScreen);
}

void Window::SetIntegerScale(bool integerScale) {
    options_.integerScale = integerScale;
    barsStale_ = true;
    if (texture_) SDL_SetTextureScaleMode(texture_, integerScale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

bool Window::IsPointerShown() const {
    if (!window_ || !options_.fullScreen) return true;
    return SDL_GetTicks() - pointerMovedMs_ < kPointerRestMs;
}

void Window::NotePointerMoved() { pointerMovedMs_ = SDL_GetTicks(); }

bool Window::TakeFullScreenKey(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN) return false;
    const SDL_Keycode key = event.key.keysym.sym;
    const bool altEnter = (key == SDLK_RETURN || key == SDLK_KP_ENTER) && (event.key.keysym.mod & KMOD_ALT) != 0;
    if (key != SDLK_F11 && !altEnter) return false;
    // A held key switches once; its repeats are swallowed too, so Enter never reaches the game.
    if (!event.key.repeat) SetFullScreen(!options_.fullScreen);
    return true;
}

void Window::PollEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) TranslateEvent(event);
    UpdateGamepads();
}

void Window::WaitEvents(uint32_t timeoutMs) {
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, static_cast<int>(timeoutMs))) TranslateEvent(event);
    PollEvents();
}

void Window::PostFocus(bool gained) {
    PostMessage(this, WM_ACTIVATEAPP, gained ? 1 : 0, 0);
    PostMessage(this, gained ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
}

void Window::PostMouse(uint32_t message, int windowX, int windowY) {
    const GamePoint point = ToGame(windowX, windowY);
    PostMessage(this, message, 0, MakeMouseLParam(point.x, point.y));
}

void Window::TranslateEvent(const SDL_Event& event) {
    if (destroyed_) return;
    switch (event.type) {
    case SDL_QUIT:
        // The close button, or a termination signal: close as the system menu would.
        if (!closePosted_) PostMessage(this, WM_CLOSE, 0, 0);
        closePosted_ = true;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (TakeFullScreenKey(event)) break;
        if (const uint32_t key = VirtualKeyFromKeycode(event.key.keysym.sym); key != 0) {
            LPARAM lParam = kKeyRepeatCount;
            if (event.key.repeat) lParam |= kKeyWasDown;
            PostMessage(this, event.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, key, lParam);
        }
        break;
    case SDL_TEXTINPUT:
        for (uint8_t character : Latin1FromUtf8(event.text.text)) PostMessage(this, WM_CHAR, character, 1);
        break;
    case SDL_MOUSEMOTION:
        NotePointerMoved();
        PostMessage(this, WM_SETCURSOR, 0, 0);
        PostMouse(WM_MOUSEMOVE, event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        NotePointerMoved();
        if (event.button.button == SDL_BUTTON_LEFT) {
            PostMouse(event.type == SDL_MOUSEBUTTONDOWN ? WM_LBUTTONDOWN : WM_LBUTTONUP, event.button.x,
                      event.button.y);
        }
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            if (!closePosted_) PostMessage(this, WM_CLOSE, 0, 0);
            closePosted_ = true;
            break;
        case SDL_WINDOWEVENT_ENTER:
            // The pointer came over the window: the window decides what it looks like.
            PostMessage(this, WM_SETCURSOR, 0, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: PostFocus(true); break;
        case SDL_WINDOWEVENT_FOCUS_LOST: PostFocus(false); break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            clientWidth_ = event.window.data1;
            clientHeight_ = event.window.data2;
            barsStale_ = true;
            Redraw();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            // The display lost what it showed; an unfocused game draws nothing, so send the last
            // frame again (the window's own pixels still hold it).
            resendAll_ = true;
            Redraw();
            break;
        default: break;
        }
        break;
    default: TranslatePadEvent(event); break;
    }
}

void Window::Present(const FrameView& frame) {
    if (destroyed_ || !window_ || !frame.pixels || frame.width <= 0 || frame.height <= 0) return;
    if (frame.bitsPerPixel != 16 && frame.bitsPerPixel != 32) return;
    if (renderer_) {
        if (!texture_ || frame.width != textureWidth_ || frame.height != textureHeight_) {
            if (texture_) SDL_DestroyTexture(texture_);
            texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING, frame.width,
                                         frame.height);
            if (!texture_) return;
            textureWidth_ = frame.width;
            textureHeight_ = frame.height;
            SDL_SetTextureScaleMode(texture_, options_.integerScale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        }
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return;
        for (int y = 0; y < frame.height; ++y) {
            FrameScaler::ConvertRow(frame, y, reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(pixels) + y * pitch));
        }
        SDL_UnlockTexture(texture_);
    } else {
        // Kept as it came, for a redraw after a resize while the game draws nothing new.
        const int bytesPerPixel = frame.bitsPerPixel / 8;
        const size_t rowBytes = static_cast<size_t>(frame.width) * static_cast<size_t>(bytesPerPixel);
        // Rows the same as before are neither copied nor drawn again (a menu changes a few rows a
        // frame, play a third to a half of them).
        const bool sameKind = frameView_.pixels && frameView_.width == frame.width &&
                              frameView_.height == frame.height && frameView_.bitsPerPixel == frame.bitsPerPixel &&
                              frameView_.greenMask == frame.greenMask;
        frame_.resize(rowBytes * static_cast<size_t>(frame.height));
        changedRows_.resize(static_cast<size_t>(frame.height), 1);
        const auto* source = static_cast<const uint8_t*>(frame.pixels);
        for (int y = 0; y < frame.height; ++y) {
            uint8_t* kept = &frame_[rowBytes * static_cast<size_t>(y)];
            const uint8_t* row = source + static_cast<ptrdiff_t>(y) * frame.pitch;
            if (sameKind && std::memcmp(kept, row, rowBytes) == 0) continue;
            std::memcpy(kept, row, rowBytes);
            changedRows_[static_cast<size_t>(y)] = 1;
        }
        if (!sameKind) std::fill(changedRows_.begin(), changedRows_.end(), 1);
        frameView_ = frame;
        frameView_.pixels = frame_.data();
        frameView_.pitch = static_cast<int>(rowBytes);
    }
    Redraw();
}

void Window::Redraw() {
    if (destroyed_ || !window_) return;
    if (renderer_) {
        RedrawRenderer();
    } else {
        RedrawSurface();
    }
}

void Window::RedrawRenderer() {
    int outputWidth = 0, outputHeight = 0;
    SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    if (texture_) {
        const Viewport viewport = PictureViewport(outputWidth, outputHeight);
        const SDL_Rect target{viewport.x, viewport.y, viewport.width, viewport.height};
        SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    }
    SDL_RenderPresent(renderer_);
}

void Window::RedrawSurface() {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    const SDL_PixelFormat& format = *surface->format;
    // Most desktops keep 32-bit pixels in this order: the scaler writes straight into them.
    const bool direct = format.BytesPerPixel == 4 && format.Rmask == 0x00FF0000 && format.Gmask == 0x0000FF00 &&
                        format.Bmask == 0x000000FF;
    SDL_Surface* target = surface;
    if (!direct) {
        if (!staging_ || staging_->w != surface->w || staging_->h != surface->h) {
            if (staging_) SDL_FreeSurface(staging_);
            staging_ = SDL_CreateRGBSurfaceWithFormat(0, surface->w, surface->h, 32, SDL_PIXELFORMAT_XRGB8888);
            if (!staging_) return;
        }
        target = staging_;
    }
    const Viewport viewport = PictureViewport(surface->w, surface->h);
    // Everything again after anything that may have spoilt or moved it (another size, new pixels,
    // a change of mode); otherwise only the picture's changed rows.
    const bool whole = barsStale_ || surface->w != drawnWidth_ || surface->h != drawnHeight_ ||
                       surface->pixels != drawnSurface_ || target->pixels != drawnPixels_ ||
                       viewport.x != drawnViewport_.x || viewport.y != drawnViewport_.y ||
                       viewport.width != drawnViewport_.width || viewport.height != drawnViewport_.height;
    bands_.clear();
    if (whole) {
        // The black around the picture, or everywhere before the first frame.
        if (frameView_.pixels) {
            const int below = viewport.y + viewport.height, right = viewport.x + viewport.width;
            const SDL_Rect bars[] = {{0, 0, target->w, viewport.y},
                                     {0, below, target->w, target->h - below},
                                     {0, viewport.y, viewport.x, viewport.height},
                                     {right, viewport.y, target->w - right, viewport.height}};
            for (const SDL_Rect& bar : bars) {
                if (bar.w > 0 && bar.h > 0) SDL_FillRect(target, &bar, 0);
            }
        } else {
            SDL_FillRect(target, nullptr, 0);
        }
        barsStale_ = false;
        drawnWidth_ = surface->w;
        drawnHeight_ = surface->h;
        drawnSurface_ = surface->pixels;
        drawnPixels_ = target->pixels;
        drawnViewport_ = viewport;
    }
    if (frameView_.pixels) {
        if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
        const PixelTarget pixels{static_cast<uint32_t*>(target->pixels), target->pitch, target->w, target->h};
        if (whole) {
            scaler_.Draw(frameView_, pixels, viewport);
        } else {
            scaler_.DrawChanged(frameView_, pixels, viewport, changedRows_.data(), bands_);
        }
        std::fill(changedRows_.begin(), changedRows_.end(), 0);
        if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    }
    if (whole || resendAll_) {
        resendAll_ = false;
        if (!direct) SDL_BlitSurface(staging_, nullptr, surface, nullptr);
        SDL_UpdateWindowSurface(window_);
        return;
    }
    // Only the picture's rows that were drawn. Bands a few rows apart go as one: sending unchanged
    // rows again is cheaper than another request.
    const int left = std::max(0, viewport.x);
    const int right = std::min(surface->w, viewport.x + viewport.width);
    if (right <= left) return;
    rects_.clear();
    for (const FrameScaler::Band& band : bands_) {
        if (!rects_.empty() && band.first - (rects_.back().y + rects_.back().h) < kRowsApartToSend) {
            rects_.back().h = band.end - rects_.back().y;
        } else {
            rects_.push_back({left, band.first, right - left, band.end - band.first});
        }
    }
    if (rects_.empty()) return;
    if (!direct) {
        for (SDL_Rect& rect : rects_) {
            SDL_Rect place = rect;
            SDL_BlitSurface(staging_, &rect, surface, &place);
        }
    }
    SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size()));
}

}  // namespace platform
