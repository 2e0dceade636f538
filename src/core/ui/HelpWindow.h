#pragma once
#include "core/ui/LinksDialog.h"

namespace quill::ui {

// The help and about window (Form4): the program and its version, the notice about the
// Skype interface, and the links to the server's pages.
class HelpWindow : public LinksDialog {
public:
    explicit HelpWindow(OpenPage open);
    void TakeLanguage(const LanguageFile& file);

    Button& cancel = close;
    Control heading{"Label1"};      // the program's name
    Control versionLine{"lblRelease"};  // its version
    Control notice{"Label3"};      // the notice about the Skype interface
    Button tonesLink{"lnk4", true};     // the Skype tones page
};

}  // namespace quill::ui
