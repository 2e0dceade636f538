#pragma once
#include "core/ui/LinksDialog.h"

namespace quill::ui {

// The first-run help window (Form7): where to find the program, the links to the server's
// pages, and the box that keeps it from showing at the next start.
class FirstRunWindow : public LinksDialog {
public:
    explicit FirstRunWindow(OpenPage open);
    void TakeLanguage(const LanguageFile& file);

    Button& ok = close;
    PictureArea trayPicture{"Image3"};  // the tray icon, as the user will look for it
    Control heading{"Label1"};
    Control subheading{"Label2"};
    CheckBox dontShowAgain{"Check1"};  // do not show again
};

}  // namespace quill::ui
