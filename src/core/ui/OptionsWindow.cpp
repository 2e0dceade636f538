#include "core/ui/OptionsWindow.h"

namespace quill::ui {

OptionsWindow::OptionsWindow() {
    Form1.SetCaption("Audio Quillares Options");
    Form1.SetVisible(false);
    Form1.Resize(7200, 6000);
    Frame1.Resize(6900, 600);
    Frame1.Move(120, -5000);
    Frame1.SetVisible(false);
    lblWarning.SetCaption("Please log on Skype first.");
    List1.Move(120, 900);
    List1.Resize(3000, 4200);
    List3.SetVisible(false);
}

}  // namespace quill::ui
