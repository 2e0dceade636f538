#pragma once
#include <windows.h>

#include "core/app/Quillares.h"

namespace quill::win32 {

// The real options window and the first-run window, driven by their models.
class OptionsWindowView {
public:
    static constexpr UINT_PTR kTimer1 = 1, kTimer2 = 2;

    explicit OptionsWindowView(HINSTANCE instance) : instance_(instance) {}

    // The options window, hidden; proc is its own window procedure.
    HWND CreateMainWindow(WNDPROC proc);
    // Creates the controls and mirrors every model onto them.
    void Bind(Quillares& app);
    // WM_COMMAND from a control; true when taken.
    bool OnCommand(Quillares& app, WPARAM wParam, LPARAM lParam);

    HWND main = nullptr;

private:
    HWND TopLevel(const wchar_t* className, WNDPROC proc, DWORD style);
    HWND Child(const wchar_t* cls, DWORD style, int id, HWND parent);

    HINSTANCE instance_;
    HWND frame1_ = nullptr, warning_ = nullptr, list1_ = nullptr, list3_ = nullptr, image3_ = nullptr;
    HWND form7_ = nullptr;
};

}  // namespace quill::win32
