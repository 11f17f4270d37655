#pragma once

#include <cstdint>

// The thread's message queue in the manner of the Windows one: the main loop peeks without
// removing, gets, translates and dispatches to the window procedure. SDL events reach it through
// the window (an EventSource); a headless run posts the input messages itself.
namespace platform {

class Window;

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

// Message identifiers, with the numbers the window procedure's table was written against.
constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ERASEBKGND = 0x0014;
constexpr uint32_t WM_ACTIVATEAPP = 0x001C;  // wParam 1: the program became active, 0: inactive
constexpr uint32_t WM_SETCURSOR = 0x0020;
constexpr uint32_t WM_KEYDOWN = 0x0100;  // wParam: virtual-key code (VirtualKeys.h)
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;  // wParam: Latin-1 character code
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;  // lParam: MakeMouseLParam(x, y) in game pixels
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;

struct Message {
    Window* window = nullptr;
    uint32_t message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint32_t time = 0;  // TimeGetTime() when posted
};

// Mouse coordinates travel as two 16-bit words, x low and y high. A point left of or above the
// picture (the letterbox bars) has negative coordinates, which read as large unsigned words and so
// lie outside every button.
constexpr LPARAM MakeMouseLParam(int x, int y) {
    return static_cast<LPARAM>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) | static_cast<uint16_t>(x));
}
constexpr uint16_t LoWord(LPARAM value) { return static_cast<uint16_t>(value & 0xFFFF); }
constexpr uint16_t HiWord(LPARAM value) { return static_cast<uint16_t>((value >> 16) & 0xFFFF); }

// Where the queue gets new messages from when it runs dry (the SDL window).
class EventSource {
public:
    virtual ~EventSource() = default;
    // Translates every pending event into posted messages.
    virtual void PollEvents() = 0;
    // Waits until an event arrives or `timeoutMs` pass, then polls.
    virtual void WaitEvents(uint32_t timeoutMs) = 0;
};
void SetEventSource(EventSource* source);

void PostMessage(Window* window, uint32_t message, WPARAM wParam, LPARAM lParam);

// True when a message waits; it is copied to `msg` and stays in the queue. After a quit request
// and once every message posted before it is gone, WM_QUIT waits (wParam: the exit code).
bool PeekMessage(Message& msg);
// Removes the next message, waiting for one if need be. False when it is WM_QUIT.
bool GetMessage(Message& msg);
// Key presses that type a control character (Backspace 8, Enter 13) post a WM_CHAR, as the
// character messages of typed text come from the window's text input.
void TranslateMessage(const Message& msg);
// Calls the window procedure of the message's window; 0 when it has none.
LRESULT DispatchMessage(const Message& msg);
// Translates and dispatches every waiting message without waiting for more. False once WM_QUIT has
// been taken (the messages before it were dispatched).
bool PumpMessages();
// What a window procedure does with messages it does not handle: WM_CLOSE destroys the window.
LRESULT DefWindowProc(Window* window, uint32_t message, WPARAM wParam, LPARAM lParam);

// The idle wait of the main loop: returns when a message arrives or after `timeoutMs`, whichever
// comes first. Returns at once when a message is already waiting, and under the virtual clock.
void WaitMessage(uint32_t timeoutMs);

// Drops every queued message and a delivered quit (a new run in the same process, or a test).
void ResetMessageQueue();

}  // namespace platform
