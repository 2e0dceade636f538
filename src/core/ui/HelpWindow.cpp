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
    Label1.SetCaption("Audio Quillares");
    Label1.Move(kMargin, 300);
    Label1.Resize(kInner, 300);
    lblRelease.SetCaption("Release version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
                          "." + std::to_string(kVersionBuild));
    lblRelease.Move(kMargin, 630);
    lblRelease.Resize(kInner, 300);
    Label3.SetCaption("This product uses the Skype API, but is not endorsed or certified by Skype.");
    Label3.Move(kMargin, 1140);
    Label3.Resize(kInner, 660);
    Link(lnk1, WebPage::Guide, kMargin, 2010, kInner);
    Link(lnk2, WebPage::Home, kMargin, 2370, kInner);
    Link(lnk3, WebPage::Update, kMargin, 2730, kInner);
    lnk4.SetCaption("View available Skype\xE2\x84\xA2 ringtones");
    Link(lnk4, WebPage::SkypeTones, kMargin, 3090, kInner);
    Command2.Move(kWidth - kMargin - 1500, 3780);
    Command2.Resize(1380, 375);
    controls = {&Label1, &lblRelease, &Label3, &lnk1, &lnk2, &lnk3, &lnk4, &Command2};
}

void HelpWindow::TakeLanguage(const LanguageFile& file) {
    TakeCaptions(file, {{"helpcaption", &form}, {"helpskype", &Label3}, {"firsthelp6", &lnk4}});
}

}  // namespace quill::ui
