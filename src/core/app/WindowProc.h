#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace quill {

class Dispatcher;
class Log;
class SkypeLink;
class Tray;
class WorkQueue;

// One window message in plain values; copyData holds the bytes of a WM_COPYDATA record.
struct WindowMessage {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::string_view copyData;
};

// The options window's procedure: decides which messages the program takes.
class WindowProcedure {
public:
    static constexpr unsigned kCopyData = 74;
    static constexpr unsigned kPlaybackNotice = 0x3B9;

    WindowProcedure(Log& log, WorkQueue& queue, SkypeLink& link, Dispatcher& dispatcher, Tray& tray)
        : log_(log), queue_(queue), link_(link), dispatcher_(dispatcher), tray_(tray) {}

    // The result to return; nullopt: hand the message to the window's previous procedure.
    std::optional<std::intptr_t> WindowProc(const WindowMessage& m);

    // The player's end-of-playback notice, with the device's notify code.
    std::function<void(std::uintptr_t)> onPlaybackNotice;

private:
    Log& log_;
    WorkQueue& queue_;
    SkypeLink& link_;
    Dispatcher& dispatcher_;
    Tray& tray_;
};

}  // namespace quill
