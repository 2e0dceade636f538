#include "core/ui/Controls.h"

namespace quill::ui {

void Control::Move(int left, int top) {
    if (left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    Changed(Prop::Position);
}

void Control::Resize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Changed(Prop::Position);
}

void ListBox::SetListIndex(int i) {
    if (i < -1 || i >= ListCount()) return;
    // A list box raises its click event even when the same entry is selected again.
    index_ = i;
    Changed(Prop::Selection);
    if (OnClick) OnClick();
}

void ListBox::KeepSelection(int i) {
    if (i < -1 || i >= ListCount() || i == index_) return;
    index_ = i;
    Changed(Prop::Selection);
}

std::string ListBox::Item(int i) const {
    if (i < 0 || i >= ListCount()) return {};
    return items_[static_cast<std::size_t>(i)];
}

void ListBox::AddItem(const std::string& text) {
    items_.push_back(text);
    Changed(Prop::Items);
}

void ListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = -1;
    Changed(Prop::Items);
}

void ListBox::SetItem(int i, const std::string& text) {
    if (i < 0 || i >= ListCount() || items_[static_cast<std::size_t>(i)] == text) return;
    items_[static_cast<std::size_t>(i)] = text;
    changedRow_ = i;
    Changed(Prop::Row);
}

void ListBox::Clear() {
    items_.clear();
    index_ = -1;
    Changed(Prop::Items);
}

void TextBox::SetText(const std::string& utf8) {
    // Counted in characters, never cutting one in half.
    std::size_t chars = 0, end = 0;
    for (; end < utf8.size(); ++end) {
        if ((static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) continue;
        if (chars++ == maxLength_) break;
    }
    SetCaption(utf8.substr(0, end));
}

}  // namespace quill::ui
