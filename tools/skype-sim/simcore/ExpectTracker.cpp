#include "simcore/ExpectTracker.h"

namespace skypesim {

bool ExpectTracker::RecordCommand(std::string_view command) {
    bool kept = true;
    if (pending_.size() >= kMaxPendingCommands) {
        pending_.pop_front();
        kept = false;
    }
    pending_.emplace_back(command.substr(0, kStoredBytes));
    return kept;
}

bool ExpectTracker::TakeCommand(std::string_view prefix, std::string* matched) {
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        if (std::string_view(pending_[i]).substr(0, prefix.size()) != prefix) continue;
        if (matched != nullptr) *matched = pending_[i];
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        return true;
    }
    return false;
}

}  // namespace skypesim
