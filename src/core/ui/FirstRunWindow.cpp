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
    Place(trayPicture, "", kMargin, 300, kIcon, kIcon);
    Place(heading, "Click the Audio Quillares icon in the notification area near the clock.", kText, 300,
          kTextWidth, 660);
    Place(subheading, "Select Options when this menu appears:", kText, 1020, kTextWidth, 300);
    Link(guideLink, WebPage::Guide, kMargin, 1680, kWidth - 2 * kMargin);
    Link(homeLink, WebPage::Home, kMargin, 2040, kWidth - 2 * kMargin);
    Link(updateLink, WebPage::Update, kMargin, 2400, kWidth - 2 * kMargin);
    Place(dontShowAgain, "Do not show this message again", kMargin, 3480, 4200, 300);
    Place(ok, ok.Caption(), kWidth - kMargin - 1500, 3420, 1380, 375);
    controls = {&trayPicture, &heading, &subheading, &guideLink, &homeLink, &updateLink, &dontShowAgain, &ok};
}

void FirstRunWindow::TakeLanguage(const LanguageFile& file) {
    TakeCaptions(file, {{"firsthelp1", &heading}, {"firsthelp2", &subheading}, {"firsthelp7", &dontShowAgain}});
}

}  // namespace quill::ui
