#pragma once
#include <windows.h>

#include <utility>

#include "core/platform/UiHost.h"
#include "win32/DialogWindows.h"

namespace quill::win32 {

class Win32UiHost : public UiHost {
public:
    Win32UiHost(HINSTANCE instance, HWND& window) : window_(window), dialogs_(instance, window) {}

    void InstallWindowProc() override { routed_ = true; }
    void RestoreWindowProc() override { routed_ = false; }
    bool AddTrayIcon(const TrayIconData& icon) override;
    bool DeleteTrayIcon(unsigned id) override;
    void BringToForeground() override;
    int PopupMenu(const std::vector<std::string>& captions) override;
    int ScreenWidthTwips() override;
    void Warn(const std::string& text, const std::string& title) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    bool AskYesNoOver(ui::Dialog& owner, const std::string& text, const std::string& title) override;
    void EndMessageBoxes() override;
    std::optional<std::string> ChooseOpenFile(const std::string& filterName, const std::string& patterns) override;
    void ShowModal(ui::Dialog& dialog) override { dialogs_.ShowModal(dialog); }
    void ShowModeless(ui::Dialog& dialog) override { dialogs_.ShowModeless(dialog); }
    void DoEvents() override { dialogs_.DoEvents(); }
    void DestroyMainWindow() override;
    void SetEventGuard(DialogWindows::Guard guard) { dialogs_.SetGuard(std::move(guard)); }
    // The message loop's share of the dialogs: their keyboard navigation.
    bool PreTranslate(MSG& msg) { return dialogs_.PreTranslate(msg); }

    // True from InstallWindowProc to RestoreWindowProc: the window's messages go to the program first.
    bool Routed() const { return routed_; }

    static constexpr UINT kDestroyMessage = WM_APP + 1;

private:
    HWND& window_;
    bool routed_ = false;
    DialogWindows dialogs_;
};

}  // namespace quill::win32
