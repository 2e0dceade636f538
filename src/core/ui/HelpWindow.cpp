#include "core/ui/HelpWindow.h"

#include "core/server/ProgramVersion.h"

namespace quill::ui {

namespace {
constexpr int kMargin = 360;
constexpr int kWidth = 6600;
constexpr int kInner = kWidth - 2 * kMargin - 120;
}  // namespace

HelpWindow::HelpWindow(OpenPage open) : LinksDialog("Form4", "Command2", std::move(open)) {
    form.SetCaption("About Audio Quillares");
    form.Resize(kWidth, 5100);
    const std::string release = std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
                                std::to_string(kVersionBuild);
    Place(heading, "Audio Quillares", kMargin, 300, kInner, 300);
    Place(versionLine, "Release version " + release, kMargin, 630, kInner, 300);
    Place(notice, "This product uses the Skype API, but is not endorsed or certified by Skype.", kMargin, 1140,
          kInner, 660);
    tonesLink.SetCaption("View available Skype\xE2\x84\xA2 ringtones");
    int top = 2010;
    for (auto [link, page] : {std::pair{&guideLink, WebPage::Guide}, {&homeLink, WebPage::Home}, {&updateLink, WebPage::Update},
                              {&tonesLink, WebPage::SkypeTones}}) {
        Link(*link, page, kMargin, top, kInner);
        top += 360;
    }
    Place(cancel, cancel.Caption(), kWidth - kMargin - 1500, 3780, 1380, 375);
    controls = {&heading, &versionLine, &notice, &guideLink, &homeLink, &updateLink, &tonesLink, &cancel};
}

void HelpWindow::TakeLanguage(const LanguageFile& file) {
    TakeCaptions(file, {{"helpcaption", &form}, {"helpskype", &notice}, {"firsthelp6", &tonesLink}});
}

}  // namespace quill::ui
