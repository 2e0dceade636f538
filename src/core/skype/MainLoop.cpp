#include "core/skype/MainLoop.h"


#include "core/base/Log.h"
#include "core/base/Trapped.h"
#include "core/base/ProgramControl.h"
#include "core/base/Shared.h"
#include "core/placeholders/NotYetBuilt.h"
#include "core/platform/Files.h"
#include "core/platform/UiHost.h"
#include "core/skype/Dispatcher.h"
#include "core/skype/SkypeLink.h"
#include "core/skype/WorkQueue.h"
#include "core/ui/OptionsWindow.h"

namespace quill {

void MainLoop::Timer1Tick() {
    Trapped([] { placeholders::WatchPreviewPlayback(); });
    Trapped([] { placeholders::WatchRecording(); });
    bool ended = false;
    Trapped([&] { ended = WatchMarkers(); });
    if (ended || queue_.Empty()) return;
    std::string item = queue_.Take();
    std::string rest;
    if (!item.empty() && (item[0] == '<' || item[0] == '>')) {
        rest = item.substr(1);
        item.resize(1);
    }
    Trapped([&] { ActOn(item, rest); });
}

void MainLoop::Timer2Tick() {
    if (link_.SkypeAttached)
        link_.Send("PING");
    else
        link_.DiscoverSkype();
}

bool MainLoop::WatchMarkers() {
    const std::string install = shared_.ProgramFolder + "install.ini";
    const std::string newInstance = shared_.ProgramFolder + "newinst.ini";
    if (files_.Exists(install)) {
        files_.Delete(install);
        program_.CloseOptionsWindow();
        return true;
    }
    if (files_.Exists(newInstance)) {
        files_.Delete(newInstance);
        program_.ShowFirstRunWindow();
    }
    return false;
}

void MainLoop::ActOn(const std::string& item, const std::string& rest) {
    if (item == "Module1") {
        window_.Timer2.SetEnabled(true);
        link_.DiscoverSkype();
    } else if (item == ">") {
        link_.Send(rest);
    } else if (item == "<") {
        if (!rest.empty() && rest != "PONG") dispatcher_.HandleSkypeEvent(rest);
    } else if (item == "List1") {
        dispatcher_.NextDisplayName();
    } else if (item == "Form1") {
        ShowOptions();
    } else if (item == "Menu1") {
        PopUpMenu();
    } else if (item == "Menu2") {
        queue_.QueueItem("Menu1");
    } else if (item == "Unload") {
        program_.CloseOptionsWindow();
    } else if (window_.List1.ListCount() == 0) {
        queue_.QueueItem("List1");
    }
}

void MainLoop::ShowOptions() {
    ui_.BringToForeground();
    link_.Send("SEARCH FRIENDS");
    log_.WriteLog("Quillares: show options");
    window_.Form1.SetVisible(true);
    window_.Form1.SetState(ui::WindowState::Normal);
}

void MainLoop::PopUpMenu() {
    // A double-click wins: the window opens and no menu pops up, also when the double-click's
    // Form1 came before this item and has already shown the window.
    if (queue_.Holds("Form1") || window_.Form1.Visible()) return;
    log_.WriteLog("Quillares: show pop-up menu");
    ui_.BringToForeground();
    int chosen = ui_.PopupMenu(window_.MenuCaptions);
    if (chosen == ui::OptionsWindow::kMenuOptions)
        queue_.QueueItem("Form1");
    else if (chosen == ui::OptionsWindow::kMenuExit)
        program_.CloseOptionsWindow();
}

}  // namespace quill
