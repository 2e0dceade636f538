#include "win32/ControlMirror.h"

#include <map>

#include "win32/Twips.h"
#include "win32/Utf.h"

namespace quill::win32 {

namespace {

// The messages of a list box, or of a drop-down list for a ComboBox.
struct ListMessages {
    UINT count, add, reset, select, remove, insert, selected;
};
constexpr ListMessages kListBox{LB_GETCOUNT,     LB_ADDSTRING,    LB_RESETCONTENT, LB_SETCURSEL,
                                LB_DELETESTRING, LB_INSERTSTRING, LB_GETCURSEL};
constexpr ListMessages kComboBox{CB_GETCOUNT,     CB_ADDSTRING,    CB_RESETCONTENT, CB_SETCURSEL,
                                 CB_DELETESTRING, CB_INSERTSTRING, CB_GETCURSEL};

const ListMessages& MessagesOf(const ui::ListBox& list) {
    return dynamic_cast<const ui::ComboBox*>(&list) ? kComboBox : kListBox;
}

// Rows changed one by one (thousands of names streaming in) reach the real list a batch at a
// time, once the thread's queue is idle: one repaint and one scroll bar update a batch, not a row.
struct PendingRows {
    const ListMessages* messages;
    std::map<int, std::wstring> texts;
};
std::map<HWND, PendingRows> pendingRows;
UINT_PTR flushTimer = 0;

void CALLBACK FlushRows(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, flushTimer);
    flushTimer = 0;
    auto pending = std::move(pendingRows);
    pendingRows.clear();
    for (const auto& [hwnd, rows] : pending) {
        if (!IsWindow(hwnd)) continue;
        const ListMessages& m = *rows.messages;
        const auto count = static_cast<int>(SendMessageW(hwnd, m.count, 0, 0));
        const auto selected = static_cast<int>(SendMessageW(hwnd, m.selected, 0, 0));
        SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
        for (const auto& [row, text] : rows.texts) {
            if (row >= count) continue;
            SendMessageW(hwnd, m.remove, static_cast<WPARAM>(row), 0);
            SendMessageW(hwnd, m.insert, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
        }
        // Taking a row out took its selection with it.
        if (rows.texts.count(selected) != 0) SendMessageW(hwnd, m.select, static_cast<WPARAM>(selected), 0);
        SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd, nullptr, TRUE);
    }
}

void MirrorItems(const ui::ListBox& list, HWND hwnd) {
    const auto& m = MessagesOf(list);
    // Every row comes from the model now, the waiting ones with them.
    pendingRows.erase(hwnd);
    auto shown = static_cast<int>(SendMessageW(hwnd, m.count, 0, 0));
    const auto& items = list.Items();
    // A list that grew by one row gets that row alone instead of a refill.
    if (shown + 1 == list.ListCount()) {
        SendMessageW(hwnd, m.add, 0, reinterpret_cast<LPARAM>(Wide(items.back()).c_str()));
        return;
    }
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd, m.reset, 0, 0);
    for (const auto& item : items) SendMessageW(hwnd, m.add, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void MirrorRow(const ui::ListBox& list, HWND hwnd) {
    const auto& m = MessagesOf(list);
    const int row = list.ChangedRow();
    if (row < 0 || row >= list.ListCount() || SendMessageW(hwnd, m.count, 0, 0) != list.ListCount()) {
        MirrorItems(list, hwnd);
        return;
    }
    auto& rows = pendingRows[hwnd];
    rows.messages = &m;
    rows.texts[row] = Wide(list.Item(row));
    if (flushTimer == 0) flushTimer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, FlushRows);
    // Without a timer the row goes in at once.
    if (flushTimer == 0) FlushRows(nullptr, 0, 0, 0);
}

void Apply(ui::Control& model, HWND hwnd, ui::Prop p) {
    switch (p) {
        case ui::Prop::Visible:
            if (auto* form = dynamic_cast<ui::Form*>(&model); form && model.Visible())
                ShowWindow(hwnd, form->State() == ui::WindowState::Minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
            else
                ShowWindow(hwnd, model.Visible() ? SW_SHOW : SW_HIDE);
            break;
        case ui::Prop::Enabled:
            EnableWindow(hwnd, model.Enabled());
            break;
        case ui::Prop::Caption:
            // A text box reports its own typing back; setting the same text would move the caret.
            if (TextOf(hwnd) != model.Caption()) SetWindowTextW(hwnd, Wide(model.Caption()).c_str());
            break;
        case ui::Prop::Position:
            SetWindowPos(hwnd, nullptr, ToPixels(model.Left()), ToPixels(model.Top()), ToPixels(model.Width()),
                         ToPixels(model.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case ui::Prop::Items:
            if (auto* list = dynamic_cast<ui::ListBox*>(&model)) MirrorItems(*list, hwnd);
            break;
        case ui::Prop::Row:
            if (auto* list = dynamic_cast<ui::ListBox*>(&model)) MirrorRow(*list, hwnd);
            break;
        case ui::Prop::Selection:
            if (auto* list = dynamic_cast<ui::ListBox*>(&model))
                SendMessageW(hwnd, MessagesOf(*list).select, static_cast<WPARAM>(list->ListIndex()), 0);
            break;
        case ui::Prop::Value:
            if (auto* toggle = dynamic_cast<ui::Switch*>(&model))
                SendMessageW(hwnd, BM_SETCHECK, toggle->Value() ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ui::Prop::Focus:
            SetFocus(hwnd);
            break;
        case ui::Prop::WindowState:
            if (model.Visible()) {
                auto* form = dynamic_cast<ui::Form*>(&model);
                ShowWindow(hwnd, form && form->State() == ui::WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
            }
            break;
        case ui::Prop::Picture:
        case ui::Prop::ToolTip:
            break;  // a picture area's own adapter draws these
    }
}

}  // namespace

std::string TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return Utf8(text);
}

void Mirror(ui::Control& model, HWND hwnd, std::function<void(ui::Prop)> extra) {
    model.SetListener([hwnd, extra](ui::Control& m, ui::Prop p) {
        Apply(m, hwnd, p);
        if (extra) extra(p);
    });
    if (!dynamic_cast<ui::ListBox*>(&model)) Apply(model, hwnd, ui::Prop::Caption);
    Apply(model, hwnd, ui::Prop::Position);
    Apply(model, hwnd, ui::Prop::Enabled);
    if (dynamic_cast<ui::ListBox*>(&model)) {
        Apply(model, hwnd, ui::Prop::Items);
        Apply(model, hwnd, ui::Prop::Selection);
    }
    Apply(model, hwnd, ui::Prop::Value);
    Apply(model, hwnd, ui::Prop::Visible);
    if (extra) extra(ui::Prop::Picture);
}

void MirrorTimer(ui::Timer& model, HWND owner, UINT_PTR id) {
    auto apply = [owner, id](ui::Control& m) {
        auto& t = static_cast<ui::Timer&>(m);
        if (t.Enabled())
            SetTimer(owner, id, static_cast<UINT>(t.Interval()), nullptr);
        else
            KillTimer(owner, id);
    };
    model.SetListener([apply](ui::Control& m, ui::Prop p) {
        if (p == ui::Prop::Enabled) apply(m);
    });
    apply(model);
}

}  // namespace quill::win32
