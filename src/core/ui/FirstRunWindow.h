#pragma once
#include "core/ui/Controls.h"

namespace quill::ui {

// The first-run help window (Form7). Its contents and links come with the help windows;
// until then it is the bare window the program shows and releases.
struct FirstRunWindow {
    FirstRunWindow() {
        Form7.SetCaption("Quillares");
        Form7.SetVisible(false);
        Form7.Resize(6000, 4500);
    }
    void Show() {
        Loaded = true;
        Form7.SetVisible(true);
        Form7.SetState(WindowState::Normal);
    }
    void Release() {
        Loaded = false;
        Form7.SetVisible(false);
    }

    Form Form7{"Form7"};
    bool Loaded = false;  // FirstRunOpen
};

}  // namespace quill::ui
