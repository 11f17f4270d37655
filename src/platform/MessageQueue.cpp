#include "platform/MessageQueue.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/Clock.h"
#include "platform/CursorState.h"
#include "platform/Messages.h"
#include "platform/VirtualKeys.h"
#include "platform/Window.h"

namespace platform {
namespace {

struct Queue {
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<Message> messages;
    bool quitDelivered = false;
    EventSource* source = nullptr;
};

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

bool QuitWaiting(const Queue& queue) { return IsQuitPosted() && !queue.quitDelivered; }

// Takes the front message (or the waiting quit) under the queue's lock.
bool Front(Queue& queue, Message& msg, bool remove) {
    std::lock_guard lock(queue.mutex);
    if (!queue.messages.empty()) {
        msg = queue.messages.front();
        if (remove) queue.messages.pop_front();
        return true;
    }
    if (QuitWaiting(queue)) {
        msg = Message{};
        msg.message = WM_QUIT;
        msg.wParam = static_cast<WPARAM>(GetQuitExitCode());
        msg.time = TimeGetTime();
        if (remove) queue.quitDelivered = true;
        return true;
    }
    return false;
}

void Poll(Queue& queue) {
    if (queue.source) queue.source->PollEvents();
}

// The longest a blocking get sleeps between looks at the event source.
constexpr uint32_t kGetWaitSliceMs = 100;

struct ControlCharacter {
    uint32_t virtualKey;
    WPARAM character;
};
constexpr ControlCharacter kControlCharacters[] = {{VK_BACK, 8}, {VK_RETURN, 13}};

}  // namespace

void SetEventSource(EventSource* source) { TheQueue().source = source; }

void PostMessage(Window* window, uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        NoteMouseMessage(message, lParam);
    }
    Queue& queue = TheQueue();
    {
        std::lock_guard lock(queue.mutex);
        queue.messages.push_back(Message{window, message, wParam, lParam, TimeGetTime()});
    }
    queue.arrived.notify_all();
}

bool PeekMessage(Message& msg) {
    Queue& queue = TheQueue();
    if (Front(queue, msg, false)) return true;
    Poll(queue);
    return Front(queue, msg, false);
}

bool GetMessage(Message& msg) {
    Queue& queue = TheQueue();
    for (;;) {
        if (Front(queue, msg, true)) return msg.message != WM_QUIT;
        if (queue.source) {
            queue.source->WaitEvents(kGetWaitSliceMs);
        } else {
            std::unique_lock lock(queue.mutex);
            queue.arrived.wait_for(lock, std::chrono::milliseconds(kGetWaitSliceMs),
                                   [&] { return !queue.messages.empty() || QuitWaiting(queue); });
        }
    }
}

void TranslateMessage(const Message& msg) {
    if (msg.message != WM_KEYDOWN) return;
    for (const ControlCharacter& control : kControlCharacters) {
        if (msg.wParam == control.virtualKey) PostMessage(msg.window, WM_CHAR, control.character, msg.lParam);
    }
}

LRESULT DispatchMessage(const Message& msg) {
    if (!msg.window) return 0;
    return msg.window->CallProc(msg.message, msg.wParam, msg.lParam);
}

bool PumpMessages() {
    Message msg;
    while (PeekMessage(msg)) {
        if (!GetMessage(msg)) return false;
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    return true;
}

LRESULT DefWindowProc(Window* window, uint32_t message, WPARAM, LPARAM) {
    if (message == WM_CLOSE && window) window->Destroy();
    return 0;
}

void WaitMessage(uint32_t timeoutMs) {
    if (timeoutMs == 0 || IsVirtualClock()) return;
    Queue& queue = TheQueue();
    {
        std::lock_guard lock(queue.mutex);
        if (!queue.messages.empty() || QuitWaiting(queue)) return;
    }
    if (queue.source) {
        queue.source->WaitEvents(timeoutMs);
        return;
    }
    std::unique_lock lock(queue.mutex);
    queue.arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return !queue.messages.empty() || QuitWaiting(queue); });
}

void ResetMessageQueue() {
    Queue& queue = TheQueue();
    std::lock_guard lock(queue.mutex);
    queue.messages.clear();
    queue.quitDelivered = false;
}

}  // namespace platform
