#include "core/app/WindowLinkView.h"

#include "core/ui/OptionsWindow.h"

namespace quill {

const std::vector<std::string>& WindowLinkView::Handles() const { return window_.List3.Items(); }

const std::vector<std::string>& WindowLinkView::Names() const { return window_.List1.Items(); }

int WindowLinkView::Selected() const { return window_.List1.ListIndex(); }

void WindowLinkView::Fill(std::vector<std::string> handles, std::vector<std::string> names, int selected) {
    auto& ids = window_.List3;
    auto& shown = window_.List1;
    ids.SetItems(std::move(handles));
    shown.SetItems(std::move(names));
    shown.KeepSelection(selected);
    // The hidden handles follow the names' selection, or stand on the first row.
    ids.KeepSelection(shown.ListIndex() >= 0 ? shown.ListIndex() : (ids.ListCount() > 0 ? 0 : -1));
}

void WindowLinkView::Rename(int row, const std::string& name) {
    auto& names = window_.List1;
    names.SetItem(row, name);
    // The contact shown gets its name; its panel stays as the user left it.
    if (names.ListIndex() == row) window_.lblContactName.SetCaption(names.Item(row));
}

void WindowLinkView::Select(int row) { window_.List1.SetListIndex(row); }

void WindowLinkView::ShowWarning(bool shown) {
    // It waits out of view from the start; the first loss brings it into the top bar.
    if (shown) window_.Frame1.Move(120, 0);
    window_.Frame1.SetVisible(shown);
}

}  // namespace quill
