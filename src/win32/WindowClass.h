#pragma once
#include <windows.h>

namespace quill::win32 {

// Registers a window class of the program's own with the button-face background and the
// cursor (the arrow unless named); withIcon gives it the program's icon. Registering a name
// twice does no harm.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, bool withIcon,
                         const wchar_t* cursor = MAKEINTRESOURCEW(32512));

}  // namespace quill::win32
