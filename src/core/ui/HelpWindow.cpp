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
    Place(Label1, "Audio Quillares", kMargin, 300, kInner, 300);
    Place(lblRelease, "Release version " + release, kMargin, 630, kInner, 300);
    Place(Label3, "This product uses the Skype API, but is not endorsed or certified by Skype.", kMargin, 1140,
          kInner, 660);
    lnk4.SetCaption("View available Skype\xE2\x84\xA2 ringtones");
    int top = 2010;
    for (auto [link, page] : {std::pair{&lnk1, WebPage::Guide}, {&lnk2, WebPage::Home}, {&lnk3, WebPage::Update},
                              {&lnk4, WebPage::SkypeTones}}) {
        Link(*link, page, kMargin, top, kInner);
        top += 360;
    }
    Place(Command2, Command2.Caption(), kWidth - kMargin - 1500, 3780, 1380, 375);
    controls = {&Label1, &lblRelease, &Label3, &lnk1, &lnk2, &lnk3, &lnk4, &Command2};
}

void HelpWindow::TakeLanguage(const LanguageFile& file) {
    TakeCaptions(file, {{"helpcaption", &form}, {"helpskype", &Label3}, {"firsthelp6", &lnk4}});
}

}  // namespace quill::ui
