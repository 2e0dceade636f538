#include "win32/DialogWindows.h"

#include <algorithm>

#include "win32/ControlMirror.h"
#include "win32/Fonts.h"
#include "win32/Twips.h"
#include "win32/Utf.h"
#include "win32/WindowClass.h"

namespace quill::win32 {

namespace {

constexpr wchar_t kClass[] = L"QuillaresDialog";
constexpr UINT kTakeDown = WM_APP + 2;
constexpr int kFirstId = 100;

}  // namespace

DialogWindows::~DialogWindows() {
    while (!live_.empty()) Close(live_.back().get());
}

LRESULT CALLBACK DialogWindows::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* live = reinterpret_cast<Live*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == kTakeDown) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (!live || !live->model) return DefWindowProcW(hwnd, msg, wParam, lParam);
    ui::Dialog& d = *live->model;
    switch (msg) {
        case WM_COMMAND: {
            auto id = LOWORD(wParam);
            auto code = HIWORD(wParam);
            const bool taken = live->windows->Event([&] {
                if (id == IDOK && d.defaultButton) {
                    d.Click(*d.defaultButton);
                    return true;
                }
                if (id == IDCANCEL) {
                    d.CloseBox();
                    return true;
                }
                auto i = static_cast<std::size_t>(id - kFirstId);
                if (id >= kFirstId && i < d.controls.size() && (code == BN_CLICKED || code == STN_CLICKED)) {
                    d.Click(*d.controls[i]);
                    return true;
                }
                return false;
            });
            if (taken) return 0;
            break;
        }
        case WM_TIMER: {
            auto i = static_cast<std::size_t>(wParam - kFirstId);
            if (i < d.controls.size())
                if (auto* t = dynamic_cast<ui::Timer*>(d.controls[i]); t && t->OnTick)
                    live->windows->Event([t] {
                        t->OnTick();
                        return true;
                    });
            return 0;
        }
        case WM_CTLCOLORSTATIC: {
            auto label = reinterpret_cast<HWND>(lParam);
            auto at = std::find(live->children.begin(), live->children.end(), label);
            if (at == live->children.end()) break;
            auto* b = dynamic_cast<ui::Button*>(d.controls[static_cast<std::size_t>(at - live->children.begin())]);
            auto dc = reinterpret_cast<HDC>(wParam);
            if (b && b->Link()) SetTextColor(dc, RGB(0, 90, 200));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_SETCURSOR:
            if (auto i = std::find(live->children.begin(), live->children.end(), reinterpret_cast<HWND>(wParam));
                i != live->children.end()) {
                auto* b = dynamic_cast<ui::Button*>(d.controls[static_cast<std::size_t>(i - live->children.begin())]);
                if (b && b->Link()) {
                    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // the hand
                    return TRUE;
                }
            }
            break;
        case WM_CLOSE:
            live->windows->Event([&d] {
                d.CloseBox();
                return true;
            });
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

DialogWindows::Live* DialogWindows::Open(ui::Dialog& d) {
    RegisterWindowClass(instance_, kClass, Proc, true);
    if (d.form.Left() == 0 && d.form.Top() == 0)
        d.form.Move(ToTwips((GetSystemMetrics(SM_CXSCREEN) - ToPixels(d.form.Width())) / 2),
                    ToTwips((GetSystemMetrics(SM_CYSCREEN) - ToPixels(d.form.Height())) / 2));

    auto live = std::make_unique<Live>();
    live->model = &d;
    live->windows = this;
    live->hwnd = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClass, L"",
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 10, 10, owner_, nullptr,
                                 instance_, nullptr);
    if (!live->hwnd) return nullptr;
    SetWindowLongPtrW(live->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(live.get()));
    const auto& fonts = MessageFonts();
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        ui::Control& c = *d.controls[i];
        const wchar_t* cls = L"STATIC";
        DWORD style = SS_LEFT | SS_NOPREFIX;
        HFONT font = fonts.plain;
        if (auto* t = dynamic_cast<ui::Timer*>(&c)) {
            live->children.push_back(nullptr);
            MirrorTimer(*t, live->hwnd, static_cast<UINT_PTR>(kFirstId + i));
            continue;
        }
        if (auto* b = dynamic_cast<ui::Button*>(&c)) {
            if (b->Link()) {
                style = SS_LEFT | SS_NOTIFY | SS_NOPREFIX;
                font = fonts.link;
            } else {
                cls = L"BUTTON";
                style = (b == d.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
            }
        } else if (dynamic_cast<ui::CheckBox*>(&c)) {
            cls = L"BUTTON";
            style = BS_CHECKBOX | WS_TABSTOP;
        } else if (dynamic_cast<ui::OptionButton*>(&c)) {
            cls = L"BUTTON";
            style = BS_RADIOBUTTON | WS_TABSTOP;
        } else if (dynamic_cast<ui::PictureArea*>(&c)) {
            style = SS_BITMAP | SS_REALSIZECONTROL;
        }
        HWND h = CreateWindowExW(0, cls, L"", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 10, 10, live->hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), instance_, nullptr);
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        live->children.push_back(h);
        if (auto* picture = dynamic_cast<ui::PictureArea*>(&c)) {
            Live* owner = live.get();
            Mirror(c, h, [picture, h, owner](ui::Prop p) {
                if (p != ui::Prop::Picture || picture->Picture().empty()) return;
                auto bmp = static_cast<HBITMAP>(LoadImageW(nullptr, Wide(picture->Picture()).c_str(), IMAGE_BITMAP,
                                                           0, 0, LR_LOADFROMFILE));
                if (!bmp) return;
                owner->bitmaps.push_back(bmp);
                SendMessageW(h, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bmp));
            });
        } else {
            Mirror(c, h);
        }
    }
    Mirror(d.form, live->hwnd);
    live_.push_back(std::move(live));
    return live_.back().get();
}

bool DialogWindows::Event(const std::function<bool()>& event) {
    bool taken = false;
    if (guard_)
        guard_([&] { taken = event(); });
    else
        taken = event();
    return taken;
}

void DialogWindows::Close(Live* live) {
    ui::Dialog& d = *live->model;
    d.takeDown = nullptr;
    d.form.SetListener({});
    if (!d.Dying())
        for (auto* c : d.controls) c->SetListener({});
    SetWindowLongPtrW(live->hwnd, GWLP_USERDATA, 0);
    ShowWindow(live->hwnd, SW_HIDE);
    // Later: the request may come from inside one of this window's own handlers.
    PostMessageW(live->hwnd, kTakeDown, 0, 0);
    for (HBITMAP b : live->bitmaps) DeleteObject(b);
    auto at = std::find_if(live_.begin(), live_.end(), [live](const auto& l) { return l.get() == live; });
    if (at != live_.end()) live_.erase(at);
}

void DialogWindows::ShowModal(ui::Dialog& d) {
    Live* live = Open(d);
    if (!live) return;
    HWND hwnd = live->hwnd;
    d.takeDown = [] {};
    bool ownerOn = owner_ && IsWindowEnabled(owner_);
    if (ownerOn) EnableWindow(owner_, FALSE);
    SetForegroundWindow(hwnd);
    d.Load();
    MSG msg;
    while (d.Loaded()) {
        int got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending under the dialog: leave the quit for the main loop.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            d.Unload();
            break;
        }
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (ownerOn) EnableWindow(owner_, TRUE);
    // Found again: a nested dialog may have changed the list.
    for (auto& l : live_)
        if (l->hwnd == hwnd) {
            Close(l.get());
            break;
        }
    if (ownerOn && IsWindowVisible(owner_)) SetActiveWindow(owner_);
}

HWND DialogWindows::WindowOf(const ui::Dialog& d) const {
    for (const auto& l : live_)
        if (l->model == &d) return l->hwnd;
    return nullptr;
}

void DialogWindows::ShowModeless(ui::Dialog& d) {
    Live* live = Open(d);
    if (!live) return;
    HWND hwnd = live->hwnd;
    d.takeDown = [this, hwnd] {
        for (auto& l : live_)
            if (l->hwnd == hwnd) {
                Close(l.get());
                return;
            }
    };
    d.Load();
}

void DialogWindows::DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool DialogWindows::PreTranslate(MSG& msg) {
    for (auto& l : live_)
        if (l->hwnd && (msg.hwnd == l->hwnd || IsChild(l->hwnd, msg.hwnd)))
            return IsDialogMessageW(l->hwnd, &msg) != 0;
    return false;
}

}  // namespace quill::win32
