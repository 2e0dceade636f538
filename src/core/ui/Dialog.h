#pragma once
#include <functional>
#include <string>
#include <vector>

#include "core/ui/Controls.h"

namespace quill::ui {

// A window of its own beside the options window (search, progress, help, apply, events...).
// The program fills it and reacts to it; the desktop adapter makes the real window from it,
// mirrors every control and reports clicks, ticks and the close box back here.
class Dialog {
public:
    explicit Dialog(std::string name) : form(std::move(name)) {}
    // A dialog released while its window is up takes the window down with it.
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Its caption and size (twips, the whole window). Left and top 0 centre it on the screen.
    Form form;
    // In tab order, placed in the window's client area. A plain Control is a label; a
    // Timer runs while enabled and the window is loaded.
    std::vector<Control*> controls;
    // Enter presses the default button, Escape and the close box the cancel button; with no
    // cancel button the close box unloads the window.
    Button* defaultButton = nullptr;
    Button* cancelButton = nullptr;

    // Runs once the window is on the screen; it may unload the window itself.
    std::function<void()> OnLoad;
    // Runs once, whoever unloads the window.
    std::function<void()> OnUnload;

    bool Loaded() const { return loaded_; }
    // OK and Cancel side by side from left, top, the default and the cancel button; captions
    // "&OK" and "&Cancel" until the language file names others.
    void AddOkCancel(Button& ok, Button& cancel, int left, int top);
    // Asks the window to go: OnUnload runs, then the adapter takes the real window down and
    // a modal display returns.
    void Unload();

    // For the adapter: the window exists; OnLoad runs.
    void Load();
    // For the adapter: the user clicked control (a button, link, check box or option button).
    // Option buttons of one dialog form one group.
    void Click(Control& control);
    // For the adapter: Escape or the close box.
    void CloseBox();
    // The adapter's hook to take the real window down.
    std::function<void()> takeDown;
    // True inside the destructor: the controls of a derived dialog are already gone.
    bool Dying() const { return dying_; }

private:
    bool loaded_ = false;
    bool dying_ = false;
};

}  // namespace quill::ui
