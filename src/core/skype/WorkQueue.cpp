#include "core/skype/WorkQueue.h"

#include "core/base/Log.h"

namespace quill {

void WorkQueue::QueueItem(const std::string& item) {
    if (EventQueue.size() + item.size() + 1 > kMaxBytes) {
        log_.WriteLog("Quillares: work queue full, dropped " + item.substr(0, 80));
        return;
    }
    EventQueue += '\t';
    EventQueue += item;
}

std::string WorkQueue::Take() {
    auto tab = EventQueue.find('\t');
    std::string item;
    if (tab == std::string::npos) {
        item.swap(EventQueue);
    } else {
        item = EventQueue.substr(0, tab);
        EventQueue.erase(0, tab + 1);
    }
    return item;
}

}  // namespace quill
