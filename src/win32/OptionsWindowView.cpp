#include "win32/OptionsWindowView.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/ControlMirror.h"
#include "win32/Fonts.h"
#include "win32/Twips.h"
#include "win32/WindowClass.h"

namespace quill::win32 {

namespace {

constexpr int kImage3Id = 103;
constexpr wchar_t kPanelClass[] = L"QuillaresPanel";

}  // namespace

HWND OptionsWindowView::TopLevel(const wchar_t* className, WNDPROC proc, DWORD style) {
    RegisterWindowClass(instance_, className, proc, true);
    // The models set the real size and position once they are mirrored.
    return CreateWindowExW(WS_EX_CONTROLPARENT, className, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300,
                           nullptr, nullptr, instance_, nullptr);
}

HWND OptionsWindowView::CreateMainWindow(WNDPROC proc) {
    main = TopLevel(L"QuillaresOptions", proc,
                    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    return main;
}

HWND OptionsWindowView::Child(const wchar_t* cls, DWORD style, HWND parent, HFONT font) {
    HWND h = CreateWindowExW(0, cls, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 10, 10, parent, nullptr,
                             instance_, nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : font_), FALSE);
    return h;
}

HWND OptionsWindowView::Made(ui::Control& model, const wchar_t* cls, DWORD style, HWND parent, HFONT font) {
    HWND h = Child(cls, style, parent, font);
    Mirror(model, h);
    return h;
}

HWND OptionsWindowView::Panel(HWND parent, bool framed) {
    RegisterWindowClass(instance_, kPanelClass, PanelProc, false);
    HWND h = CreateWindowExW(WS_EX_CONTROLPARENT | (framed ? WS_EX_STATICEDGE : 0), kPanelClass, L"",
                             WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 10, 10, parent, nullptr, instance_,
                             nullptr);
    SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return h;
}

LRESULT CALLBACK OptionsWindowView::PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<OptionsWindowView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->app_) {
        switch (msg) {
            case WM_MOUSEMOVE:
                self->app_->commands.BackgroundMouseMove();
                return 0;
            case WM_COMMAND:
                // The window's procedure decides for every control, wherever it sits.
                return SendMessageW(self->main, msg, wParam, lParam);
            case WM_CTLCOLORSTATIC:
                if (HBRUSH b = self->OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
                    return reinterpret_cast<LRESULT>(b);
                break;
            default:
                break;
        }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void OptionsWindowView::MakeFonts() {
    const auto& fonts = MessageFonts();
    font_ = fonts.plain;
    bold_ = fonts.bold;
    link_ = fonts.link;
    bar_ = CreateSolidBrush(RGB(51, 122, 214));
}

void OptionsWindowView::Bind(Quillares& app) {
    app_ = &app;
    auto& w = app.window;
    MakeFonts();
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main, nullptr, instance_,
                            nullptr);
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 320);

    // First made, first in the stacking order: the warning covers the top bar's left part.
    frame1_ = Panel(main, true);
    Mirror(w.warningPanel, frame1_);
    Made(w.warning, L"STATIC", SS_CENTER | SS_CENTERIMAGE, frame1_, bold_);
    HWND bar = Panel(main, false);
    Mirror(w.topBar, bar);
    Made(w.heading, L"STATIC", SS_LEFT, main, bold_);
    list1_ = Made(w.contactNames, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, main);
    Made(w.contactHandles, L"LISTBOX", 0, main);
    Made(w.subheading, L"STATIC", SS_LEFT, main, bold_);
    Made(w.contactName, L"STATIC", SS_LEFT | SS_ENDELLIPSIS, main);
    Made(w.contactHandle, L"STATIC", SS_LEFT | SS_ENDELLIPSIS, main);
    Made(w.notice, L"STATIC", SS_LEFT, main, bold_);
    for (auto& option : w.kindOptions) options_.push_back(Made(option, L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, main));
    for (int k = 0; k < ui::OptionsWindow::kKinds; ++k) {
        HWND panel = Panel(main, true);
        Mirror(w.kindPanels[k], panel);
        panels_.push_back(panel);
        Made(w.panelTitles[k], L"STATIC", SS_LEFT, panel, bold_);
    }
    panels_.push_back(bar);

    list2_ = Made(w.toneTitles, L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
                  panels_[1]);
    Made(w.toneFiles, L"LISTBOX", 0, panels_[1]);
    lnk4_ = Made(w.tonesLink, L"STATIC", SS_LEFT | SS_NOTIFY, panels_[1], link_);
    // The bar first: made earlier, it stacks above its frame.
    progress_ = Made(w.recordingBar, L"STATIC", SS_LEFT, panels_[2]);
    shape1_ = Made(w.recordingFrame, L"STATIC", SS_LEFT | WS_BORDER, panels_[2]);
    Made(w.recordingTime, L"STATIC", SS_LEFT, panels_[2]);
    Made(w.synthesisPrompt, L"STATIC", SS_LEFT, panels_[3]);
    txtSyn_ = Made(w.synthesisText, L"EDIT",
                   ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | WS_TABSTOP, panels_[3]);
    SendMessageW(txtSyn_, EM_LIMITTEXT, w.synthesisText.MaxLength(), 0);
    cmdGender_ = Made(w.voices, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, panels_[3]);
    for (auto& label : w.buttonLabels) Made(label, L"STATIC", SS_CENTER, bar);
    attention_ = Made(w.applyReminder, L"STATIC", SS_LEFT, bar, bold_);

    image3_ = Child(L"STATIC", SS_ICON | SS_NOTIFY | WS_VISIBLE, bar);
    SetWindowLongPtrW(image3_, GWLP_ID, kImage3Id);
    SendMessageW(image3_, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(instance_, MAKEINTRESOURCEW(1))), 0);
    // Beside the warning frame, clear of the top bar's buttons.
    const int iconLeft = ToPixels(w.warningPanel.Left() + w.warningPanel.Width() + 120);
    SetWindowPos(image3_, nullptr, iconLeft, ToPixels(240), 32, 32, SWP_NOZORDER);

    MakeButtons(app);

    Mirror(w.form, main);
    MirrorTimer(w.tickTimer, main, kTimer1);
    MirrorTimer(w.pingTimer, main, kTimer2);
}

void OptionsWindowView::MakeButtons(Quillares& app) {
    auto& w = app.window;
    for (int i = 0; i < ui::OptionsWindow::kButtons; ++i) {
        HWND container = panels_[static_cast<std::size_t>(ui::OptionsWindow::ButtonContainer(CommandOf(i + 1)))];
        pictures_.push_back(std::make_unique<PictureAreaView>(instance_, container, tips_, w.buttonFaces[i], app, i));
        // Beside its picture in the tab order, out of the container's view.
        blinds_.push_back(Made(w.blindButtons[i], L"BUTTON", BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP | WS_VISIBLE,
                               container));
    }
}

int OptionsWindowView::IndexOf(const std::vector<HWND>& hwnds, HWND h) const {
    auto it = std::find(hwnds.begin(), hwnds.end(), h);
    return it == hwnds.end() ? -1 : static_cast<int>(it - hwnds.begin());
}

bool OptionsWindowView::OnCommand(Quillares& app, WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    const int code = HIWORD(wParam);
    auto& w = app.window;
    if ((from == list1_ || from == list2_) && code == LBN_SELCHANGE) {
        auto& list = from == list1_ ? w.contactNames : w.toneTitles;
        list.SetListIndex(static_cast<int>(SendMessageW(from, LB_GETCURSEL, 0, 0)));
        return true;
    }
    if (from == cmdGender_ && code == CBN_SELCHANGE) {
        w.voices.SetListIndex(static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0)));
        return true;
    }
    if (from == txtSyn_ && code == EN_CHANGE) {
        w.synthesisText.SetText(TextOf(from));
        return true;
    }
    if (from == lnk4_ && code == STN_CLICKED) {
        app.commands.OpenSkypeTonesPage();
        return true;
    }
    if (from == image3_ && code == STN_DBLCLK) {
        app.OpenLog();
        return true;
    }
    if (int k = IndexOf(options_, from); k >= 0 && code == BN_CLICKED) {
        w.SelectKind(k);
        return true;
    }
    if (int i = IndexOf(blinds_, from); i >= 0) {
        if (code == BN_CLICKED) app.commands.BlindButtonClick(i);
        if (code == BN_SETFOCUS) app.commands.BlindButtonGotFocus(i);
        if (code == BN_KILLFOCUS) app.commands.BlindButtonLostFocus(i);
        return true;
    }
    return false;
}

HBRUSH OptionsWindowView::OnColorStatic(HDC dc, HWND label) {
    if (label == lnk4_) {
        SetTextColor(dc, RGB(0, 90, 200));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    if (label == progress_) return bar_;
    if (label == shape1_) return GetSysColorBrush(COLOR_WINDOW);
    if (label == attention_) {
        SetTextColor(dc, RGB(180, 30, 30));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    if (label == frame1_ || GetParent(label) == frame1_) {
        SetTextColor(dc, RGB(180, 30, 30));
        SetBkColor(dc, RGB(255, 244, 214));
        static HBRUSH warning = CreateSolidBrush(RGB(255, 244, 214));
        return warning;
    }
    return nullptr;
}

}  // namespace quill::win32
