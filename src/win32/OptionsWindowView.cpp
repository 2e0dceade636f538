#include "win32/OptionsWindowView.h"

#include "win32/ControlMirror.h"

namespace quill::win32 {

namespace {

constexpr int kList1Id = 101, kList3Id = 102, kImage3Id = 103;

LRESULT CALLBACK FirstRunProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        // Closing it unloads it; the model learns it is gone.
        auto* app = reinterpret_cast<Quillares*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (app) app->firstRun.Release();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

HWND OptionsWindowView::TopLevel(const wchar_t* className, WNDPROC proc, DWORD style) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = proc;
    cls.hInstance = instance_;
    cls.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = className;
    RegisterClassExW(&cls);
    // The models set the real size and position once they are mirrored.
    return CreateWindowExW(0, className, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300, nullptr, nullptr,
                           instance_, nullptr);
}

HWND OptionsWindowView::CreateMainWindow(WNDPROC proc) {
    main = TopLevel(L"QuillaresOptions", proc, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    return main;
}

HWND OptionsWindowView::Child(const wchar_t* cls, DWORD style, int id, HWND parent) {
    HWND h = CreateWindowExW(0, cls, L"", WS_CHILD | style, 0, 0, 10, 10, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return h;
}

void OptionsWindowView::Bind(Quillares& app) {
    auto& w = app.window;
    frame1_ = Child(L"STATIC", SS_LEFT, 0, main);
    warning_ = Child(L"STATIC", SS_CENTER | SS_CENTERIMAGE | WS_VISIBLE, 0, frame1_);
    w.lblWarning.Move(0, 0);
    w.lblWarning.Resize(w.Frame1.Width(), w.Frame1.Height());
    list1_ = Child(L"LISTBOX", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, kList1Id, main);
    list3_ = Child(L"LISTBOX", 0, kList3Id, main);
    image3_ = Child(L"STATIC", SS_ICON | SS_NOTIFY | WS_VISIBLE, kImage3Id, main);
    SendMessageW(image3_, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(instance_, MAKEINTRESOURCEW(1))), 0);
    SetWindowPos(image3_, nullptr, 440, 330, 32, 32, SWP_NOZORDER);

    form7_ = TopLevel(L"QuillaresFirstRun", FirstRunProc, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    SetWindowLongPtrW(form7_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&app));

    Mirror(w.Frame1, frame1_);
    Mirror(w.lblWarning, warning_);
    Mirror(w.List1, list1_);
    Mirror(w.List3, list3_);
    Mirror(w.Form1, main);
    Mirror(app.firstRun.Form7, form7_);
    MirrorTimer(w.Timer1, main, kTimer1);
    MirrorTimer(w.Timer2, main, kTimer2);
}

bool OptionsWindowView::OnCommand(Quillares& app, WPARAM wParam, LPARAM lParam) {
    HWND from = reinterpret_cast<HWND>(lParam);
    if (from == list1_ && HIWORD(wParam) == LBN_SELCHANGE) {
        app.window.List1.SetListIndex(static_cast<int>(SendMessageW(list1_, LB_GETCURSEL, 0, 0)));
        return true;
    }
    if (from == image3_ && HIWORD(wParam) == STN_DBLCLK) {
        app.OpenLog();
        return true;
    }
    return false;
}

}  // namespace quill::win32
