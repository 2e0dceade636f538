// poke.exe: what other programs on the desktop may do to the add-on, for the end-to-end tests.
//   poke broadcast <registered message name | number>
//   poke dump <window title>: one line per child window, UTF-8, fields split by "|":
//     class|visible|checked|left,top,right,bottom (screen)|text|list box items split by TAB
//   poke open-file <dialog title> <path>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int Broadcast(const char* what) {
    char* end = nullptr;
    unsigned long number = std::strtoul(what, &end, 0);
    UINT message = *end == '\0' ? static_cast<UINT>(number) : RegisterWindowMessageA(what);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    std::printf("broadcast %s (0x%X)\n", what, message);
    return 0;
}

std::string Utf8(const std::wstring& w) {
    char out[4096] = {};  // texts of at most 1024 UTF-16 units
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, out, sizeof out - 1, nullptr, nullptr);
    return out;
}

// Through messages: another process's controls answer them; the wide calls arrive unmangled.
std::wstring TextOf(HWND h) {
    wchar_t buffer[1024] = {};
    SendMessageTimeoutW(h, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

std::string ItemsOf(HWND h, const wchar_t* cls) {
    if (lstrcmpiW(cls, L"ListBox") != 0) return {};
    const LRESULT count = SendMessageW(h, LB_GETCOUNT, 0, 0);
    std::string out;
    for (LRESULT i = 0; i < count && i < 200; ++i) {
        wchar_t item[512] = {};
        if (SendMessageW(h, LB_GETTEXTLEN, i, 0) >= 512) continue;
        SendMessageW(h, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item));
        // Appended apart: GCC 12 warns falsely (-Wrestrict) on a C string + a temporary.
        (out += i ? "\t" : "") += Utf8(item);
    }
    return out;
}

BOOL CALLBACK DumpOne(HWND h, LPARAM) {
    wchar_t cls[64] = {};
    GetClassNameW(h, cls, 64);
    RECT r{};
    GetWindowRect(h, &r);
    const bool button = lstrcmpiW(cls, L"Button") == 0;
    const LRESULT checked = button ? SendMessageW(h, BM_GETCHECK, 0, 0) : 0;
    std::printf("%s|%d|%d|%ld,%ld,%ld,%ld|%s|%s\n", Utf8(cls).c_str(), IsWindowVisible(h) ? 1 : 0,
                checked == BST_CHECKED ? 1 : 0, r.left, r.top, r.right, r.bottom, Utf8(TextOf(h)).c_str(),
                ItemsOf(h, cls).c_str());
    return TRUE;
}

int Dump(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window) {
        std::printf("no window titled %s\n", title);
        return 1;
    }
    EnumChildWindows(window, DumpOne, 0);
    return 0;
}

// Types path (ANSI) as the file name of an Open dialog and presses its Open button.
int OpenFile(const char* title, const char* path) {
    HWND dialog = FindWindowA("#32770", title);
    // The file name box of the dialog's own template: a combo box (cmb13), or an edit (edt1).
    HWND name = dialog ? GetDlgItem(dialog, 0x47C) : nullptr;
    if (dialog && !name) name = GetDlgItem(dialog, 0x480);
    if (!name || !SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path))) return 1;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "broadcast" && argc == 3) return Broadcast(argv[2]);
    if (verb == "dump" && argc == 3) return Dump(argv[2]);
    if (verb == "open-file" && argc == 4) return OpenFile(argv[2], argv[3]);
    std::fprintf(stderr, "usage: poke broadcast <name|number> | poke dump <title> | poke open-file <title> <path>\n");
    return 2;
}
