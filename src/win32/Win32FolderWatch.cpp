#include "win32/Win32FolderWatch.h"

#include "win32/Utf.h"

namespace quill::win32 {

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

}  // namespace quill::win32
