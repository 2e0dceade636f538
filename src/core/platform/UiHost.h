#pragma once
#include <string>
#include <vector>

namespace quill {

struct TrayIconData {
    unsigned id = 0;
    unsigned flags = 0;
    unsigned callbackMessage = 0;
    std::string tip;
};

// What the desktop gives the options window beyond its own controls.
class UiHost {
public:
    virtual ~UiHost() = default;
    // Puts the program's window procedure in front of the options window's own.
    virtual void InstallWindowProc() = 0;
    virtual void RestoreWindowProc() = 0;
    virtual bool AddTrayIcon(const TrayIconData& icon) = 0;
    virtual bool DeleteTrayIcon(unsigned id) = 0;
    virtual void BringToForeground() = 0;
    // Pops up a menu at the mouse position; the index of the chosen caption, or -1.
    virtual int PopupMenu(const std::vector<std::string>& captions) = 0;
    virtual int ScreenWidthTwips() = 0;
    // A modal message with an exclamation icon and an OK button, owned by the options window.
    virtual void Warn(const std::string& text, const std::string& title) = 0;
    // The options window is gone after this; the program's message loop ends.
    virtual void DestroyMainWindow() = 0;
};

}  // namespace quill
