#pragma once
#include <memory>

#include "core/ui/FirstRunWindow.h"
#include "core/ui/WebPages.h"

namespace quill {
class Files;
class Log;
class Settings;
class Shell;
class TextCodec;
class UiHost;
struct Shared;
}  // namespace quill

namespace quill::ui {

// The help window, the first-run window and every opening of a server page.
class HelpWindows {
public:
    struct Services {
        Settings& settings;
        Files& files;
        TextCodec& codec;
        Log& log;
        Shell& shell;
        UiHost& ui;
        Shared& shared;
    };
    // The picture of the first-run window, under the program folder.
    static constexpr const char* kTrayPicture = "buttons\\tray.bmp";

    explicit HelpWindows(Services s) : s_(s) {}

    void OpenPage(WebPage page);
    // Modal; a fresh window each time.
    void ShowHelpWindow();
    // Not modal; a window already up is brought to the front instead.
    void ShowFirstRunWindow();
    // At shutdown: unloads the first-run window, as its close button would.
    void ReleaseFirstRunWindow();
    // FirstRunOpen
    bool FirstRunOpen() const { return firstRun_ && firstRun_->Loaded(); }
    // The window while it is up, else nullptr.
    FirstRunWindow* FirstRun() { return FirstRunOpen() ? firstRun_.get() : nullptr; }

private:
    LanguageFile ReadLanguage();
    void FirstRunUnloaded();

    Services s_;
    std::unique_ptr<FirstRunWindow> firstRun_;
};

}  // namespace quill::ui
