#pragma once
#include <string>
#include <string_view>

namespace quill {

class Log;
class WorkQueue;
class TextCodec;

// Gives Skype's notifications their meaning: first in the window procedure (record, ask,
// queue), then from the main loop one event at a time.
class Dispatcher {
public:
    // Longer notifications are cut: no peer's text may grow the program without bound.
    static constexpr std::size_t kMaxNotificationBytes = 1024 * 1024;

    Dispatcher(Log& log, WorkQueue& queue, TextCodec& codec) : log_(log), queue_(queue), codec_(codec) {}

    // The bytes of a WM_COPYDATA from Skype.
    void ReceiveSkypeMessage(std::string_view bytes);
    void HandleSkypeEvent(const std::string& text);

private:
    void Classify(const std::string& text);

    Log& log_;
    WorkQueue& queue_;
    TextCodec& codec_;
};

}  // namespace quill
