#pragma once
#include <optional>
#include <string>
#include <vector>

namespace quill {

namespace ui {
class Dialog;
}

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
    // A question with Yes and No buttons and an exclamation icon, owned by the options window;
    // true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;
    // The same question owned by a dialog, which cannot be worked while it is asked.
    virtual bool AskYesNoOver(ui::Dialog& owner, const std::string& text, const std::string& title) {
        (void)owner;
        return AskYesNo(text, title);
    }
    // The program is ending: every message box still open goes as if answered No (or OK).
    virtual void EndMessageBoxes() = 0;
    // The system's Open dialog, owned by the options window, listing the files that match
    // patterns ("*.wav;*.mp3") under filterName; the chosen file's full path, nullopt on Cancel.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& filterName, const std::string& patterns) = 0;
    // Shows the dialog owned by the options window and returns once it has unloaded.
    virtual void ShowModal(ui::Dialog& dialog) = 0;
    // Shows the dialog and returns at once; it lives until it unloads.
    virtual void ShowModeless(ui::Dialog& dialog) = 0;
    // Lets the windows handle the events waiting for them, so a long piece of work on the
    // window's thread keeps the program responsive.
    virtual void DoEvents() = 0;
    // The options window is gone after this; the program's message loop ends.
    virtual void DestroyMainWindow() = 0;
};

}  // namespace quill
