#include "core/ui/HelpWindows.h"

#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/platform/UiHost.h"
#include "core/ui/HelpWindow.h"

namespace quill::ui {

void HelpWindows::OpenPage(WebPage page) { OpenWebPage(s_.shell, s_.log, PageAddress(s_.settings, page)); }

LanguageFile HelpWindows::ReadLanguage() {
    return LanguageFile::Read(s_.files, s_.codec, s_.log, s_.shared.ProgramFolder + s_.shared.LangFile);
}

void HelpWindows::ShowHelpWindow() {
    HelpWindow window([this](WebPage page) { OpenPage(page); });
    window.TakeLanguage(ReadLanguage());
    s_.ui.ShowModal(window);
}

void HelpWindows::ShowFirstRunWindow() {
    if (auto* up = FirstRun()) {
        up->form.SetState(WindowState::Normal);
        up->form.SetVisible(true);
        up->form.SetFocus();
        return;
    }
    // The one from an earlier showing, if any, is gone with its window.
    firstRun_ = std::make_unique<FirstRunWindow>([this](WebPage page) { OpenPage(page); });
    firstRun_->TakeLanguage(ReadLanguage());
    firstRun_->trayPicture.SetPicture(s_.shared.ProgramFolder + kTrayPicture);
    firstRun_->OnUnload = [this] { FirstRunUnloaded(); };
    s_.ui.ShowModeless(*firstRun_);
}

void HelpWindows::FirstRunUnloaded() {
    if (!firstRun_->dontShowAgain.Value()) return;
    // The next start reads the main file; the current one may be the user's own.
    s_.settings.WriteIni("window", "skiphelp", "yes");
    s_.settings.WriteIniFile(kMainSettingsFile, "window", "skiphelp", "yes");
}

void HelpWindows::ReleaseFirstRunWindow() {
    if (auto* up = FirstRun()) up->Unload();
    firstRun_.reset();
}

}  // namespace quill::ui
