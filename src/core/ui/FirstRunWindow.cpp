#include "core/ui/FirstRunWindow.h"

namespace quill::ui {

namespace {
constexpr int kMargin = 360;
constexpr int kWidth = 7200;
constexpr int kIcon = 480;
constexpr int kText = kMargin + kIcon + 240;  // beside the icon
constexpr int kTextWidth = kWidth - kText - kMargin - 120;
}  // namespace

FirstRunWindow::FirstRunWindow(OpenPage open) : LinksDialog("Form7", "Command1", std::move(open)) {
    form.SetCaption("Audio Quillares");
    form.Resize(kWidth, 4800);
    Place(Image3, "", kMargin, 300, kIcon, kIcon);
    Place(Label1, "Click the Audio Quillares icon in the notification area near the clock.", kText, 300,
          kTextWidth, 660);
    Place(Label2, "Select Options when this menu appears:", kText, 1020, kTextWidth, 300);
    Link(lnk1, WebPage::Guide, kMargin, 1680, kWidth - 2 * kMargin);
    Link(lnk2, WebPage::Home, kMargin, 2040, kWidth - 2 * kMargin);
    Link(lnk3, WebPage::Update, kMargin, 2400, kWidth - 2 * kMargin);
    Place(Check1, "Do not show this message again", kMargin, 3480, 4200, 300);
    Place(Command1, Command1.Caption(), kWidth - kMargin - 1500, 3420, 1380, 375);
    controls = {&Image3, &Label1, &Label2, &lnk1, &lnk2, &lnk3, &Check1, &Command1};
}

void FirstRunWindow::TakeLanguage(const LanguageFile& file) {
    TakeCaptions(file, {{"firsthelp1", &Label1}, {"firsthelp2", &Label2}, {"firsthelp7", &Check1}});
}

}  // namespace quill::ui
