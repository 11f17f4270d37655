#include "platform/Window.h"

#include <SDL.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "platform/MessageBoxParent.h"
#include "platform/TextInput.h"
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
    // A picture stretched by a factor like 1.8 looks even when filtered; at 1:1 nothing changes.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    flags |= options_.fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE;
    window_ = SDL_CreateWindow(options_.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, options_.width,
                               options_.height, flags);
    if (!window_) {
        error = std::string("cannot open a window: ") + SDL_GetError();
        return false;
    }
    // No vertical sync: the game paces itself at 50 frames a second, and waiting for a 60 Hz
    // blank would round every frame up to two blanks.
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (renderer_ && !SDL_GetHint(SDL_HINT_RENDER_DRIVER) && IsEmulatedOpenGl(renderer_)) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
    }
    if (!renderer_) {
        // Straight to the window's pixels, not through an emulated OpenGL texture.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    }
    if (!renderer_) {
        error = std::string("cannot open a window: ") + SDL_GetError();
        return false;
    }
    SDL_GetWindowSize(window_, &clientWidth_, &clientHeight_);
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

GamePoint Window::ToGame(int windowX, int windowY) const {
    const Viewport viewport = LetterboxViewport(clientWidth_, clientHeight_, options_.width, options_.height);
    return WindowToGame(viewport, options_.width, options_.height, windowX, windowY);
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
        PostMessage(this, WM_SETCURSOR, 0, 0);
        PostMouse(WM_MOUSEMOVE, event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
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
            Redraw();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            // An unfocused game draws nothing; show its last frame again.
            Redraw();
            break;
        default: break;
        }
        break;
    default: TranslatePadEvent(event); break;
    }
}

void Window::Present(const FrameView& frame) {
    if (destroyed_ || !renderer_ || !frame.pixels || frame.width <= 0 || frame.height <= 0) return;
    const Uint32 format =
        SDL_MasksToPixelFormatEnum(frame.bitsPerPixel, frame.redMask, frame.greenMask, frame.blueMask, 0);
    if (format == SDL_PIXELFORMAT_UNKNOWN) return;
    if (!texture_ || format != textureFormat_ || frame.width != textureWidth_ || frame.height != textureHeight_) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, frame.width, frame.height);
        if (!texture_) return;
        textureFormat_ = format;
        textureWidth_ = frame.width;
        textureHeight_ = frame.height;
    }
    SDL_UpdateTexture(texture_, nullptr, frame.pixels, frame.pitch);
    Redraw();
}

void Window::Redraw() {
    if (destroyed_ || !renderer_) return;
    int outputWidth = 0, outputHeight = 0;
    SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    if (texture_) {
        const Viewport viewport = LetterboxViewport(outputWidth, outputHeight, options_.width, options_.height);
        const SDL_Rect target{viewport.x, viewport.y, viewport.width, viewport.height};
        SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    }
    SDL_RenderPresent(renderer_);
}

}  // namespace platform
