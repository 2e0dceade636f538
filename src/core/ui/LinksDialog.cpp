#include "core/ui/LinksDialog.h"

namespace quill::ui {

LinksDialog::LinksDialog(std::string form, std::string closeName, OpenPage open)
    : Dialog(std::move(form)), close(std::move(closeName)), open_(std::move(open)) {
    close.SetCaption("&Close");
    close.OnClick = [this] { Unload(); };
    defaultButton = &close;
    cancelButton = &close;
    guideLink.SetCaption("Open Getting Started guide");
    homeLink.SetCaption("Open Audio Quillares web site");
    updateLink.SetCaption("Update Audio Quillares to the latest version");
}

void LinksDialog::Place(Control& c, const std::string& caption, int left, int top, int width, int height) {
    c.SetCaption(caption);
    c.Move(left, top);
    c.Resize(width, height);
}

void LinksDialog::Link(Button& link, WebPage page, int left, int top, int width) {
    link.Move(left, top);
    link.Resize(width, 255);
    link.OnClick = [this, page] {
        if (open_) open_(page);
    };
}

void LinksDialog::TakeCaptions(const LanguageFile& file,
                               std::initializer_list<std::pair<const char*, Control*>> own) {
    const std::pair<const char*, Control*> shared[] = {
        {"helpclose", &close}, {"firsthelp3", &guideLink}, {"firsthelp4", &homeLink}, {"firsthelp5", &updateLink}};
    for (const auto& line : file.Lines()) {
        for (const auto& [key, control] : shared)
            if (line.key == key) control->SetCaption(line.value);
        for (const auto& [key, control] : own)
            if (line.key == key) control->SetCaption(line.value);
    }
}

}  // namespace quill::ui
