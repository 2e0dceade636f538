#include "core/app/WindowLinkView.h"

#include "core/ui/OptionsWindow.h"

namespace quill {

const std::vector<std::string>& WindowLinkView::Handles() const { return window_.contactHandles.Items(); }

const std::vector<std::string>& WindowLinkView::Names() const { return window_.contactNames.Items(); }

int WindowLinkView::Selected() const { return window_.contactNames.ListIndex(); }

void WindowLinkView::Fill(std::vector<std::string> handles, std::vector<std::string> names, int selected) {
    auto& ids = window_.contactHandles;
    auto& shown = window_.contactNames;
    ids.SetItems(std::move(handles));
    shown.SetItems(std::move(names));
    shown.KeepSelection(selected);
    // The hidden handles follow the names' selection, or stand on the first row.
    ids.KeepSelection(shown.ListIndex() >= 0 ? shown.ListIndex() : (ids.ListCount() > 0 ? 0 : -1));
}

void WindowLinkView::Rename(int row, const std::string& name) {
    auto& names = window_.contactNames;
    names.SetItem(row, name);
    // The contact shown gets its name; its panel stays as the user left it.
    if (names.ListIndex() == row) window_.contactName.SetCaption(names.Item(row));
}

void WindowLinkView::Select(int row) { window_.contactNames.SetListIndex(row); }

void WindowLinkView::ShowWarning(bool shown) {
    // It waits out of view from the start; the first loss brings it into the top bar.
    if (shown) window_.warningPanel.Move(120, 0);
    window_.warningPanel.SetVisible(shown);
}

}  // namespace quill
