#include "win32/WindowClass.h"

namespace quill::win32 {

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, bool withIcon, const wchar_t* cursor) {
    WNDCLASSEXW cls{};
    if (GetClassInfoExW(instance, name, &cls)) return;
    cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = proc;
    cls.hInstance = instance;
    if (withIcon) cls.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    cls.hCursor = LoadCursorW(nullptr, cursor);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = name;
    RegisterClassExW(&cls);
}

}  // namespace quill::win32
