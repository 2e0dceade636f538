#include "core/skype/ContactNames.h"

#include "core/base/Log.h"
#include "core/skype/LinkView.h"
#include "core/skype/SkypeLink.h"

namespace quill {

void ContactNames::SetHandles(std::vector<std::string> handles) {
    rowsOf_.clear();
    for (std::size_t row = 0; row < handles.size(); ++row) rowsOf_[handles[row]].push_back(row);
    rows_.assign(handles.size(), Row::NotAsked);
    asked_.clear();
    next_ = 0;
    outstanding_ = 0;
    gaveUp_ = 0;
    const auto& ids = view_.Handles();
    const auto& names = view_.Names();
    // The same contacts again: the list stays as it is while the names are asked anew.
    if (handles == ids && names.size() == ids.size()) return;

    const int selected = view_.Selected();
    const std::string chosen = selected >= 0 && selected < static_cast<int>(ids.size()) ? ids[selected] : "";
    // Names already known stand in until asked again, so a refill does not blank the list.
    std::unordered_map<std::string, std::string> known;
    for (std::size_t row = 0; row < names.size() && row < ids.size(); ++row) known.emplace(ids[row], names[row]);
    std::vector<std::string> shown;
    shown.reserve(handles.size());
    for (const auto& handle : handles) {
        auto it = known.find(handle);
        shown.push_back(it != known.end() ? it->second : handle);
    }
    // Quietly: the contact's panel shows what the user chose, which a click would undo.
    auto it = rowsOf_.find(chosen);
    const int keep = !chosen.empty() && it != rowsOf_.end() ? static_cast<int>(it->second.front()) : -1;
    view_.Fill(std::move(handles), std::move(shown), keep);
}

void ContactNames::Named(const std::string& handle, const std::string& name) {
    auto it = rowsOf_.find(handle);
    if (it == rowsOf_.end()) return;
    for (std::size_t row : it->second) {
        if (rows_[row] == Row::Asked) --outstanding_;
        rows_[row] = Row::Named;
        view_.Rename(static_cast<int>(row), name.empty() ? handle : name);
    }
}

void ContactNames::AskMore() {
    if (view_.Selected() < 0 && !view_.Names().empty()) view_.Select(0);
    // An answer may come inside a send, and even a new USERS answer: every pass looks afresh.
    for (int sends = 0; sends < kMaxSendsPerCall && next_ < rows_.size() && outstanding_ < kMaxOutstanding &&
                        link_.SkypeAttached;) {
        const std::size_t row = next_++;
        if (rows_[row] != Row::NotAsked) continue;
        rows_[row] = Row::Asked;
        ++outstanding_;
        asked_.push_back({row, tick_});
        ++sends;
        const auto& handles = view_.Handles();
        link_.Send("GET USER " + (row < handles.size() ? handles[row] : std::string()) + " FULLNAME");
    }
}

void ContactNames::Tick() {
    ++tick_;
    while (!asked_.empty()) {
        const Question q = asked_.front();
        if (rows_[q.row] == Row::Asked) {
            if (tick_ - q.askedAt < kGiveUpTicks) break;
            rows_[q.row] = Row::Named;
            --outstanding_;
            ++gaveUp_;
        }
        asked_.pop_front();
    }
    if (Fetching()) AskMore();
    if (gaveUp_ > 0 && !Fetching()) {
        log_.WriteLog("Quillares: no name came for " + std::to_string(gaveUp_) + " contacts; their handles stand in");
        gaveUp_ = 0;
    }
}

}  // namespace quill
