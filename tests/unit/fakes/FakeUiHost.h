#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/UiHost.h"
#include "core/ui/Dialog.h"

namespace quill::test {

class FakeUiHost : public UiHost {
public:
    std::vector<std::string> calls;
    TrayIconData tray;
    bool trayShown = false, destroyed = false;
    int menuChoice = -1;
    std::vector<std::string> menuShown;
    int screenWidthTwips = 1024 * 15;
    bool answerYes = true;
    // The user at a modal dialog: runs once it has loaded. A dialog still loaded afterwards
    // gets the close box.
    std::function<void(ui::Dialog&)> whileModal;
    std::function<void()> onDoEvents;
    int doEvents = 0;

    void InstallWindowProc() override { calls.push_back("InstallWindowProc"); }
    void RestoreWindowProc() override { calls.push_back("RestoreWindowProc"); }
    bool AddTrayIcon(const TrayIconData& icon) override {
        calls.push_back("AddTrayIcon");
        tray = icon;
        trayShown = true;
        return true;
    }
    bool DeleteTrayIcon(unsigned id) override {
        calls.push_back("DeleteTrayIcon " + std::to_string(id));
        trayShown = false;
        return true;
    }
    void BringToForeground() override { calls.push_back("BringToForeground"); }
    int PopupMenu(const std::vector<std::string>& captions) override {
        calls.push_back("PopupMenu");
        menuShown = captions;
        return menuChoice;
    }
    int ScreenWidthTwips() override { return screenWidthTwips; }
    void Warn(const std::string& text, const std::string& title) override {
        calls.push_back("Warn " + title + ": " + text);
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        calls.push_back("Ask " + title + ": " + text);
        return answerYes;
    }
    std::function<void(ui::Dialog&)> whileAsking;  // a box not modal to its dialog lets it be clicked
    bool AskYesNoOver(ui::Dialog& owner, const std::string& text, const std::string& title) override {
        if (whileAsking) whileAsking(owner);
        return AskYesNo(text, title);
    }
    void EndMessageBoxes() override { calls.push_back("EndMessageBoxes"); }
    std::optional<std::string> chosenFile;  // picked in the Open dialog; none: Cancel
    std::optional<std::string> ChooseOpenFile(const std::string& filter, const std::string& patterns) override {
        return calls.push_back("ChooseOpenFile " + filter + "|" + patterns), chosenFile;
    }
    void ShowModal(ui::Dialog& d) override {
        calls.push_back("ShowModal " + d.form.Name());
        d.Load();
        if (d.Loaded() && whileModal) whileModal(d);
        if (d.Loaded()) d.CloseBox();
        if (d.Loaded()) d.Unload();
    }
    void ShowModeless(ui::Dialog& d) override {
        calls.push_back("ShowModeless " + d.form.Name());
        d.Load();
    }
    void DoEvents() override {
        ++doEvents;
        if (onDoEvents) onDoEvents();
    }
    void DestroyMainWindow() override { calls.push_back("DestroyMainWindow"), destroyed = true; }
};

}  // namespace quill::test
