#include "win32/ControlMirror.h"

#include "win32/Twips.h"
#include "win32/Utf.h"

namespace quill::win32 {

namespace {

bool IsListBox(HWND hwnd) {
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    return lstrcmpiW(cls, L"ListBox") == 0;
}

void MirrorItems(const ui::ListBox& list, HWND hwnd) {
    auto shown = static_cast<int>(SendMessageW(hwnd, LB_GETCOUNT, 0, 0));
    const auto& items = list.Items();
    // Names arrive one at a time: add the new one instead of refilling the list.
    if (shown + 1 == list.ListCount()) {
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(items.back()).c_str()));
        return;
    }
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
    for (const auto& item : items) SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
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
            SetWindowTextW(hwnd, Wide(model.Caption()).c_str());
            break;
        case ui::Prop::Position:
            SetWindowPos(hwnd, nullptr, ToPixels(model.Left()), ToPixels(model.Top()), ToPixels(model.Width()),
                         ToPixels(model.Height()), SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case ui::Prop::Items:
            if (auto* list = dynamic_cast<ui::ListBox*>(&model)) MirrorItems(*list, hwnd);
            break;
        case ui::Prop::Selection:
            if (auto* list = dynamic_cast<ui::ListBox*>(&model)) SendMessageW(hwnd, LB_SETCURSEL, list->ListIndex(), 0);
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

void Mirror(ui::Control& model, HWND hwnd) {
    model.SetListener([hwnd](ui::Control& m, ui::Prop p) { Apply(m, hwnd, p); });
    Apply(model, hwnd, ui::Prop::Caption);
    Apply(model, hwnd, ui::Prop::Position);
    Apply(model, hwnd, ui::Prop::Enabled);
    if (IsListBox(hwnd)) {
        Apply(model, hwnd, ui::Prop::Items);
        Apply(model, hwnd, ui::Prop::Selection);
    }
    Apply(model, hwnd, ui::Prop::Visible);
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
