#include "win32/Win32SkypeWire.h"

#include <windows.h>

namespace quill::win32 {

unsigned Win32SkypeWire::RegisterMessage(const std::string& name) { return RegisterWindowMessageA(name.c_str()); }

bool Win32SkypeWire::Broadcast(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    // A hung window must not hang the program with it.
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(HWND_BROADCAST, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000,
                               &result) != 0;
}

std::intptr_t Win32SkypeWire::SendCopyData(WindowHandle to, WindowHandle from, std::string_view bytes) {
    if (to == 0) return 0;
    COPYDATASTRUCT record{};
    record.dwData = 0;
    record.cbData = static_cast<DWORD>(bytes.size());
    record.lpData = const_cast<char*>(bytes.data());
    // Notifications Skype sends meanwhile are still taken: the send waits like SendMessage.
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(reinterpret_cast<HWND>(to), WM_COPYDATA, from, reinterpret_cast<LPARAM>(&record),
                             SMTO_NORMAL, 10000, &result))
        return 0;
    return static_cast<std::intptr_t>(result);
}

}  // namespace quill::win32
