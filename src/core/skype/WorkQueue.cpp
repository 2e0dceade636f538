#include "core/skype/WorkQueue.h"

#include <algorithm>

#include "core/base/Log.h"

namespace quill {

std::string WorkItem::Describe() const {
    switch (kind) {
        case Kind::Empty: return "";
        case Kind::Module1: return "Module1";
        case Kind::List1: return "List1";
        case Kind::Form1: return "Form1";
        case Kind::Menu1: return "Menu1";
        case Kind::Menu2: return "Menu2";
        case Kind::Unload: return "Unload";
        case Kind::ServerCheck: return "ServerCheck";
        case Kind::Notification: return "<" + text;
        case Kind::Command: return ">" + text;
    }
    return "";
}

void WorkQueue::QueueItem(WorkItem item) {
    if (!item.IsControl() && bytes_ + Bytes(item) > kMaxBytes) {
        ++dropped_;
        return;
    }
    if (dropped_ > 0) {
        log_.WriteLog("Quillares: work queue full, dropped " + std::to_string(dropped_) + " notifications");
        dropped_ = 0;
    }
    if (items_.empty()) items_.push_back(WorkItem{});
    bytes_ += Bytes(item);
    items_.push_back(std::move(item));
}

WorkItem WorkQueue::Take() {
    WorkItem item = std::move(items_.front());
    items_.pop_front();
    if (item.kind != WorkItem::Kind::Empty) bytes_ -= Bytes(item);
    return item;
}

bool WorkQueue::Holds(const WorkItem& item) const {
    return std::find(items_.begin(), items_.end(), item) != items_.end();
}

std::string WorkQueue::EventQueue() const {
    std::string text;
    for (const auto& item : items_) {
        if (&item != &items_.front()) text += '\t';
        text += item.Describe();
    }
    return text;
}

}  // namespace quill
