#include "core/app/NestedLoops.h"

#include "core/ui/Dialog.h"

namespace quill {

void NestedLoops::EndAll() {
    ending_ = true;
    const auto open = modal_;
    for (auto at = open.rbegin(); at != open.rend(); ++at) (*at)->Unload();
    host_.EndMessageBoxes();
}

int NestedLoops::PopupMenu(const std::vector<std::string>& captions) {
    if (ending_) return -1;
    Inside inside(depth_);
    return host_.PopupMenu(captions);
}

void NestedLoops::Warn(const std::string& text, const std::string& title) {
    if (ending_) return;
    Inside inside(depth_);
    host_.Warn(text, title);
}

bool NestedLoops::AskYesNo(const std::string& text, const std::string& title) {
    if (ending_) return false;
    Inside inside(depth_);
    return host_.AskYesNo(text, title);
}

bool NestedLoops::AskYesNoOver(ui::Dialog& owner, const std::string& text, const std::string& title) {
    if (ending_) return false;
    Inside inside(depth_);
    return host_.AskYesNoOver(owner, text, title);
}

void NestedLoops::ShowModal(ui::Dialog& dialog) {
    if (ending_) return;
    Inside inside(depth_);
    modal_.push_back(&dialog);
    try {
        host_.ShowModal(dialog);
    } catch (...) {
        modal_.pop_back();
        throw;
    }
    modal_.pop_back();
}

std::optional<std::string> NestedLoops::ChooseOpenFile(const std::string& filterName, const std::string& patterns) {
    if (ending_) return std::nullopt;
    Inside inside(depth_);
    return host_.ChooseOpenFile(filterName, patterns);
}

void NestedLoops::DoEvents() {
    Inside inside(depth_);
    host_.DoEvents();
}

}  // namespace quill
