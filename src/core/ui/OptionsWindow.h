#pragma once
#include <string>
#include <vector>

#include "core/ui/Controls.h"

namespace quill::ui {

// The options window (Form1) as the program reads and writes it. Its contents grow with
// the window's own work; for now it carries what the link and the tray need.
struct OptionsWindow {
    OptionsWindow();

    Form Form1{"Form1"};
    // The warning panel, out of view until a send fails.
    Control Frame1{"Frame1"};
    Control lblWarning{"lblWarning"};
    ListBox List1{"List1"};  // display names, shown
    ListBox List3{"List3"};  // handles, hidden
    Timer Timer1{"Timer1", 50, true};
    Timer Timer2{"Timer2", 5000, false};

    // The tray menu mnuCtx: Options, a separator, Exit.
    std::vector<std::string> MenuCaptions{"Options", "-", "Exit"};
    static constexpr int kMenuOptions = 0;
    static constexpr int kMenuExit = 2;
};

}  // namespace quill::ui
