#pragma once
#include <cstddef>
#include <string>

namespace quill {

class Log;

// EventQueue: work items, each stored behind a TAB, taken one per main-loop tick. Because of
// that TAB an item queued into an empty queue is taken as an empty item first.
class WorkQueue {
public:
    // Skype could flood the window with notifications; past this the newest are dropped.
    static constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;

    explicit WorkQueue(Log& log) : log_(log) {}

    void QueueItem(const std::string& item);
    bool Empty() const { return EventQueue.empty(); }
    // The next item; call only when not Empty().
    std::string Take();
    bool Holds(const std::string& text) const { return EventQueue.find(text) != std::string::npos; }

    std::string EventQueue;

private:
    Log& log_;
};

}  // namespace quill
