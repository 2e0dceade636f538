#pragma once
#include "core/ui/LinksDialog.h"

namespace quill::ui {

// The help and about window (Form4): the program and its version, the notice about the
// Skype interface, and the links to the server's pages.
class HelpWindow : public LinksDialog {
public:
    explicit HelpWindow(OpenPage open);
    void TakeLanguage(const LanguageFile& file);

    Button& Command2 = close;
    Control Label1{"Label1"};      // the program's name
    Control lblRelease{"Label1"};  // its version
    Control Label3{"Label3"};      // the notice about the Skype interface
    Button lnk4{"lnk4", true};     // the Skype tones page
};

}  // namespace quill::ui
