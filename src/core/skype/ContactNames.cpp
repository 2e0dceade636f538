#include "core/skype/ContactNames.h"

#include "core/base/Log.h"
#include "core/skype/SkypeLink.h"
#include "core/ui/OptionsWindow.h"

namespace quill {

void ContactNames::SetHandles(std::vector<std::string> handles) {
    auto& names = window_.contactNames;
    auto& ids = window_.contactHandles;
    rowsOf_.clear();
    for (std::size_t row = 0; row < handles.size(); ++row) rowsOf_[handles[row]].push_back(row);
    rows_.assign(handles.size(), Row::NotAsked);
    asked_.clear();
    next_ = 0;
    outstanding_ = 0;
    gaveUp_ = 0;
    // The same contacts again: the list stays as it is while the names are asked anew.
    if (handles == ids.Items() && names.ListCount() == ids.ListCount()) return;

    const std::string chosen = names.ListIndex() >= 0 ? ids.Item(names.ListIndex()) : "";
    // Names already known stand in until asked again, so a refill does not blank the list.
    std::unordered_map<std::string, std::string> known;
    for (int row = 0; row < names.ListCount() && row < ids.ListCount(); ++row) known.emplace(ids.Item(row), names.Item(row));
    std::vector<std::string> shown;
    shown.reserve(handles.size());
    for (const auto& handle : handles) {
        auto it = known.find(handle);
        shown.push_back(it != known.end() ? it->second : handle);
    }
    ids.SetItems(std::move(handles));
    names.SetItems(std::move(shown));
    // Quietly: the contact's panel shows what the user chose, which a click would undo.
    if (auto it = rowsOf_.find(chosen); !chosen.empty() && it != rowsOf_.end())
        names.KeepSelection(static_cast<int>(it->second.front()));
    ids.KeepSelection(names.ListIndex() >= 0 ? names.ListIndex() : (ids.ListCount() > 0 ? 0 : -1));
}

void ContactNames::Named(const std::string& handle, const std::string& name) {
    auto it = rowsOf_.find(handle);
    if (it == rowsOf_.end()) return;
    auto& names = window_.contactNames;
    for (std::size_t row : it->second) {
        if (rows_[row] == Row::Asked) --outstanding_;
        rows_[row] = Row::Named;
        const int r = static_cast<int>(row);
        names.SetItem(r, name.empty() ? handle : name);
        // The contact shown gets its name; its panel stays as the user left it.
        if (names.ListIndex() == r) window_.contactName.SetCaption(names.Item(r));
    }
}

void ContactNames::AskMore() {
    auto& names = window_.contactNames;
    if (names.ListIndex() < 0 && names.ListCount() > 0) names.SetListIndex(0);
    // An answer may come inside a send, and even a new USERS answer: every pass looks afresh.
    for (int sends = 0; sends < kMaxSendsPerCall && next_ < rows_.size() && outstanding_ < kMaxOutstanding &&
                        link_.SkypeAttached;) {
        const std::size_t row = next_++;
        if (rows_[row] != Row::NotAsked) continue;
        rows_[row] = Row::Asked;
        ++outstanding_;
        asked_.push_back({row, tick_});
        ++sends;
        link_.Send("GET USER " + window_.contactHandles.Item(static_cast<int>(row)) + " FULLNAME");
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
