#include "core/app/MainLoop.h"

#include "core/base/Log.h"
#include "core/base/ProgramControl.h"
#include "core/base/Shared.h"
#include "core/platform/Files.h"
#include "core/platform/FolderWatch.h"
#include "core/platform/UiHost.h"
#include "core/skype/Dispatcher.h"
#include "core/skype/SkypeLink.h"
#include "core/skype/WorkQueue.h"
#include "core/ui/OptionsCommands.h"
#include "core/ui/OptionsWindow.h"
#include "core/ui/ServerCheck.h"

namespace quill {

void MainLoop::Timer1Tick() {
    commands_.WatchPreviewPlayback();
    commands_.WatchRecording();
    dispatcher_.NamesTick();
    if (WatchMarkers() || queue_.Empty()) return;
    ActOn(queue_.Take());
}

void MainLoop::Timer2Tick() {
    if (link_.SkypeAttached)
        link_.Send("PING");
    else
        link_.DiscoverSkype();
}

bool MainLoop::WatchMarkers() {
    // Two file lookups every tick are most of an idle tick's cost; the folder watch says when a
    // look can find anything. The first tick looks anyway (a marker may be older than the watch).
    if (markers_ == Markers::Unwatched)
        markers_ = folderWatch_.Watch(shared_.ProgramFolder) ? Markers::Watched : Markers::LookEveryTick;
    else if (markers_ == Markers::Watched && !folderWatch_.Changed() && !lookAgain_ &&
             ++ticksSinceLook_ < kLookAtLeastEveryTicks)
        return false;
    ticksSinceLook_ = 0;
    // A marker that could not be deleted is acted on again next tick, as when looking every tick.
    lookAgain_ = true;
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
        return false;
    }
    lookAgain_ = false;
    return false;
}

void MainLoop::ActOn(const WorkItem& item) {
    using Kind = WorkItem::Kind;
    switch (item.kind) {
        case Kind::Module1:
            window_.pingTimer.SetEnabled(true);
            link_.DiscoverSkype();
            break;
        case Kind::Command:
            link_.Send(item.text);
            break;
        case Kind::Notification:
            if (!item.text.empty() && item.text != "PONG") dispatcher_.HandleSkypeEvent(item.text);
            break;
        case Kind::List1:
            dispatcher_.NextDisplayName();
            break;
        case Kind::Form1:
            ShowOptions();
            break;
        case Kind::Menu1:
            PopUpMenu();
            break;
        case Kind::Menu2:
            queue_.QueueItem(Kind::Menu1);
            break;
        case Kind::Unload:
            program_.CloseOptionsWindow();
            break;
        case Kind::ServerCheck:
            CheckServer();
            break;
        case Kind::Empty:
            // While the names are still missing, every empty item asks for the next one.
            if (window_.contactNames.ListCount() == 0) queue_.QueueItem(Kind::List1);
            break;
    }
}

void MainLoop::CheckServer() {
    // A spoken tone's transfer holds the client: the check waits for it rather than fail. During
    // another check it goes straight on, as that one answers for both.
    if (serverCheck_.TransferBusy() && !serverCheck_.ServerBusy) {
        queue_.QueueItem(WorkItem::Kind::ServerCheck);
        return;
    }
    if (serverCheck_.ReadServerDB().EndsProgram())
        program_.CloseOptionsWindow();
    else
        queue_.QueueItem(WorkItem::Command("SEARCH FRIENDS"));
}

void MainLoop::ShowOptions() {
    ui_.BringToForeground();
    link_.Send("SEARCH FRIENDS");
    log_.WriteLog("Quillares: show options");
    window_.form.SetVisible(true);
    window_.form.SetState(ui::WindowState::Normal);
}

void MainLoop::PopUpMenu() {
    // A double-click wins: the window opens and no menu pops up, also when the double-click's
    // form came before this item and has already shown the window.
    if (queue_.Holds(WorkItem::Kind::Form1) || window_.form.Visible()) return;
    log_.WriteLog("Quillares: show pop-up menu");
    ui_.BringToForeground();
    int chosen = ui_.PopupMenu(window_.MenuCaptions);
    if (chosen == ui::OptionsWindow::kMenuOptions)
        queue_.QueueItem(WorkItem::Kind::Form1);
    else if (chosen == ui::OptionsWindow::kMenuExit)
        program_.CloseOptionsWindow();
}

}  // namespace quill
