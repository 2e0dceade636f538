#pragma once
#include <windows.h>

namespace quill::win32 {

// Registers a window class of the program's own with the button-face background and the
// arrow; withIcon gives it the program's icon. Registering a name twice does no harm.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, bool withIcon);

}  // namespace quill::win32
