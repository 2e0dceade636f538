#include "win32/Win32System.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "win32/Utf.h"

namespace quill::win32 {

LocalTime Win32Clock::Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

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

Win32Multimedia::Win32Multimedia(HWND& notifyWindow) : notifyWindow_(notifyWindow) {
    // Wine's wave device plays on a thread of its driver, which goes on running the driver's code
    // after it has posted the end notice (and after a stop). The close that follows unloads the
    // driver with the last device, and that thread then crashed in the unloaded code. Held here,
    // the driver stays for the life of the process; where there is no such file this does nothing.
    LoadLibraryW(L"mciwave.dll");
}

unsigned Win32Multimedia::Send(const std::string& command, bool notify) {
    // Wide, so a tone whose path the ANSI code page cannot spell still opens.
    MciReply[0] = L'\0';
    return mciSendStringW(Wide(command).c_str(), MciReply, kReplyChars, notify ? notifyWindow_ : nullptr);
}

std::string Win32Multimedia::Reply() const {
    // Bounded by the buffer, should a reply ever fill it without its zero.
    std::size_t n = 0;
    while (n < kReplyChars && MciReply[n] != L'\0') ++n;
    return Utf8(std::wstring_view(MciReply, n));
}

Win32FolderWatch::~Win32FolderWatch() {
    if (waiter_.joinable()) {
        SetEvent(stop_);
        waiter_.join();
    }
    if (stop_) CloseHandle(stop_);
    if (notification_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(notification_);
}

bool Win32FolderWatch::Watch(const std::string& folder) {
    notification_ = FindFirstChangeNotificationW(Wide(folder).c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    if (notification_ == INVALID_HANDLE_VALUE) return false;
    stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!stop_) return false;
    waiter_ = std::thread([this] { Wait(); });
    return true;
}

// On a thread of its own: asking the system on every tick would cost as much as the lookups
// it saves.
void Win32FolderWatch::Wait() {
    HANDLE both[] = {notification_, stop_};
    for (;;) {
        DWORD woken = WaitForMultipleObjects(2, both, FALSE, INFINITE);
        if (woken == WAIT_OBJECT_0 + 1) return;
        // Armed again before the main loop looks, so a file that comes after the look signals anew.
        if (woken != WAIT_OBJECT_0 || !FindNextChangeNotification(notification_)) {
            broken_ = true;
            return;
        }
        changed_ = true;
    }
}

Win32Process::~Win32Process() {
    if (mutex_) CloseHandle(mutex_);
}

std::string Win32Process::ProgramFolder() {
    std::vector<wchar_t> path(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring full(path.data(), n);
    auto slash = full.find_last_of(L"\\/");
    return Utf8(slash == std::wstring::npos ? full : full.substr(0, slash));
}

bool Win32Process::AnotherInstanceRunning() {
    mutex_ = CreateMutexW(nullptr, FALSE, L"Quillares.SingleInstance");
    return mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

bool Win32Shell::Open(const std::string& verb, const std::string& file, const std::string& parameters,
                      const std::string& folder) {
    auto r = ShellExecuteW(nullptr, Wide(verb).c_str(), Wide(file).c_str(),
                           parameters.empty() ? nullptr : Wide(parameters).c_str(),
                           folder.empty() ? nullptr : Wide(folder).c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(r) > 32;
}

std::string Win32TextCodec::AnsiToUtf8(std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
    return Utf8(w);
}

std::optional<std::string> Win32Registry::ReadUserString(const std::string& key, const std::string& value,
                                                        std::size_t bufferBytes) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, Ansi(key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return std::nullopt;
    std::string buffer(bufferBytes, '\0');
    DWORD type = 0, size = static_cast<DWORD>(buffer.size());
    const LONG read = RegQueryValueExA(k, Ansi(value).c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(k);
    // A value of another type is no path, whatever its bytes.
    if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    buffer.resize(std::min<std::size_t>(size, buffer.size()));
    return Win32TextCodec().AnsiToUtf8(buffer);
}

}  // namespace quill::win32
