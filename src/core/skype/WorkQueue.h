#pragma once
#include <cstddef>
#include <deque>
#include <string>

#include "core/skype/WorkItem.h"

namespace quill {

class Log;

// EventQueue: the main loop's work, taken one item per tick. An item queued into an empty queue
// is preceded by an Empty item, whose catch-all the main loop relies on.
class WorkQueue {
public:
    // Skype could flood the window with notifications; past this their newest are dropped.
    static constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;

    explicit WorkQueue(Log& log) : log_(log) {}

    void QueueItem(WorkItem item);
    void QueueItem(WorkItem::Kind kind) { QueueItem(WorkItem{kind, {}}); }
    bool Empty() const { return items_.empty(); }
    // The next item; call only when not Empty().
    WorkItem Take();
    bool Holds(const WorkItem& item) const;
    bool Holds(WorkItem::Kind kind) const { return Holds(WorkItem{kind, {}}); }

    // The queue in its text form: every item behind a TAB.
    std::string EventQueue() const;

private:
    // Its text and a little for the item itself, so a flood of empty texts is bounded too.
    static std::size_t Bytes(const WorkItem& item) { return item.text.size() + 16; }

    Log& log_;
    std::deque<WorkItem> items_;
    std::size_t bytes_ = 0;
    std::size_t dropped_ = 0;
};

}  // namespace quill
