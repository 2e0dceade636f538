#include "win32/Win32UiHost.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "win32/Twips.h"
#include "win32/Utf.h"

namespace quill::win32 {

bool Win32UiHost::AddTrayIcon(const TrayIconData& icon) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the 64-character tip
    data.hWnd = window_;
    data.uID = icon.id;
    data.uFlags = icon.flags;
    data.uCallbackMessage = icon.callbackMessage;
    data.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    std::string tip = Ansi(icon.tip).substr(0, 63);
    std::memcpy(data.szTip, tip.c_str(), tip.size() + 1);
    return Shell_NotifyIconA(NIM_ADD, &data) != 0;
}

bool Win32UiHost::DeleteTrayIcon(unsigned id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_;
    data.uID = id;
    return Shell_NotifyIconA(NIM_DELETE, &data) != 0;
}

void Win32UiHost::BringToForeground() { SetForegroundWindow(window_); }

int Win32UiHost::PopupMenu(const std::vector<std::string>& captions) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return -1;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] == "-")
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING, i + 1, Wide(captions[i]).c_str());
    }
    POINT at{};
    GetCursorPos(&at);
    // The menu closes on a click elsewhere only when its owner is in front.
    SetForegroundWindow(window_);
    int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
    PostMessageW(window_, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return chosen - 1;
}

int Win32UiHost::ScreenWidthTwips() { return ToTwips(GetSystemMetrics(SM_CXSCREEN)); }

void Win32UiHost::Warn(const std::string& text, const std::string& title) {
    MessageBoxW(window_, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

bool Win32UiHost::AskYesNo(const std::string& text, const std::string& title) {
    return MessageBoxW(window_, Wide(text).c_str(), Wide(title).c_str(), MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

bool Win32UiHost::AskYesNoOver(ui::Dialog& owner, const std::string& text, const std::string& title) {
    // Owned by the dialog, not by the options window: a box owned by that one would enable it
    // again on closing, while the dialog still holds it disabled.
    HWND over = dialogs_.WindowOf(owner);
    return MessageBoxW(over ? over : window_, Wide(text).c_str(), Wide(title).c_str(),
                       MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

void Win32UiHost::EndMessageBoxes() {
    // The boxes are the thread's system dialogs, owned by the options window or by one of the
    // program's dialogs (which have a class of their own). No ends a question, Cancel the Open
    // dialog, and OK any box that has neither.
    EnumThreadWindows(GetCurrentThreadId(), [](HWND hwnd, LPARAM) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(hwnd, cls, 16);
        if (lstrcmpW(cls, L"#32770") == 0 && GetWindow(hwnd, GW_OWNER) != nullptr) {
            PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
            PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        return TRUE;
    }, 0);
}

void Win32UiHost::DestroyMainWindow() {
    // Later, from the message loop: the caller may still be inside one of the window's handlers.
    PostMessageW(window_, kDestroyMessage, 0, 0);
}

std::optional<std::string> Win32UiHost::ChooseOpenFile(const std::string& filterName, const std::string& patterns) {
    // Pairs of name and patterns, each ended by a NUL, the list by another.
    std::wstring filter = Wide(filterName + " (" + patterns + ")") + L'\0' + Wide(patterns) + L'\0' + L'\0';
    // Room for any path the system can name.
    std::wstring path(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = window_;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&ofn)) return std::nullopt;
    return Utf8(path.c_str());
}

}  // namespace quill::win32
