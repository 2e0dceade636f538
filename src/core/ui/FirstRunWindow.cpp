#include "core/ui/FirstRunWindow.h"

namespace quill::ui {

namespace {
constexpr int kMargin = 360;
constexpr int kWidth = 7200;
constexpr int kText = kMargin + 480 + 240;  // beside the icon
constexpr int kTextWidth = kWidth - kText - kMargin - 120;
constexpr int kInner = kWidth - 2 * kMargin - 120;
}  // namespace

FirstRunWindow::FirstRunWindow(OpenPage open) : LinksDialog("Form7", "Command1", std::move(open)) {
    form.SetCaption("Audio Quillares");
    form.Resize(kWidth, 4800);
    Image3.Move(kMargin, 300);
    Image3.Resize(480, 480);
    Label1.SetCaption("Click the Audio Quillares icon in the notification area near the clock.");
    Label1.Move(kText, 300);
    Label1.Resize(kTextWidth, 660);
    Label2.SetCaption("Select Options when this menu appears:");
    Label2.Move(kText, 1020);
    Label2.Resize(kTextWidth, 300);
    Link(lnk1, WebPage::Guide, kMargin, 1680, kInner);
    Link(lnk2, WebPage::Home, kMargin, 2040, kInner);
    Link(lnk3, WebPage::Update, kMargin, 2400, kInner);
    Check1.SetCaption("Do not show this message again");
    Check1.Move(kMargin, 3480);
    Check1.Resize(4200, 300);
    Command1.Move(kWidth - kMargin - 1500, 3420);
    Command1.Resize(1380, 375);
    controls = {&Image3, &Label1, &Label2, &lnk1, &lnk2, &lnk3, &Check1, &Command1};
}

void FirstRunWindow::TakeLanguage(const LanguageFile& file) {
    TakeCaptions(file, {{"firsthelp1", &Label1}, {"firsthelp2", &Label2}, {"firsthelp7", &Check1}});
}

}  // namespace quill::ui
