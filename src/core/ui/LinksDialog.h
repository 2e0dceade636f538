#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/ui/Dialog.h"
#include "core/ui/LanguageFile.h"
#include "core/ui/WebPages.h"

namespace quill::ui {

using OpenPage = std::function<void(WebPage)>;

// What the help window and the first-run window share: a close button and the links to the
// guide, the home page and the update page.
class LinksDialog : public Dialog {
public:
    Button close;
    Button guideLink{"lnk1", true};  // the guide
    Button homeLink{"lnk2", true};  // the home page
    Button updateLink{"lnk3", true};  // the update page

protected:
    LinksDialog(std::string form, std::string closeName, OpenPage open);
    // Caption and place (twips) of a control.
    static void Place(Control& c, const std::string& caption, int left, int top, int width, int height);
    // A link one line high; a click opens page.
    void Link(Button& link, WebPage page, int left, int top, int width);
    // The shared controls' keys and the window's own, in file order so a later line wins;
    // other keys are ignored.
    void TakeCaptions(const LanguageFile& file, std::initializer_list<std::pair<const char*, Control*>> own);

    OpenPage open_;
};

}  // namespace quill::ui
