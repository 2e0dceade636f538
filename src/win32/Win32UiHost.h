#pragma once
#include <windows.h>

#include "core/platform/UiHost.h"

namespace quill::win32 {

class Win32UiHost : public UiHost {
public:
    // hook: the program's procedure put in front of the window's own.
    Win32UiHost(HWND& window, WNDPROC hook) : window_(window), hook_(hook) {}

    void InstallWindowProc() override;
    void RestoreWindowProc() override;
    bool AddTrayIcon(const TrayIconData& icon) override;
    bool DeleteTrayIcon(unsigned id) override;
    void BringToForeground() override;
    int PopupMenu(const std::vector<std::string>& captions) override;
    int ScreenWidthTwips() override;
    void Warn(const std::string& text, const std::string& title) override;
    void DestroyMainWindow() override;

    // OldWindowProc
    WNDPROC OldWindowProc() const { return old_; }

    static constexpr UINT kDestroyMessage = WM_APP + 1;

private:
    HWND& window_;
    WNDPROC hook_;
    WNDPROC old_ = nullptr;
};

}  // namespace quill::win32
