#include "core/app/Tray.h"

#include "core/platform/UiHost.h"
#include "core/skype/WorkQueue.h"
#include "core/ui/OptionsWindow.h"

namespace quill {

namespace {
constexpr std::intptr_t kLeftDoubleClick = 515, kRightButtonDown = 516, kLeftButtonDown = 513;
}

void Tray::AddTrayIcon() {
    ui_.InstallWindowProc();
    shown_ = true;
    AddIcon();
}

void Tray::AddIcon() { ui_.AddTrayIcon(TrayIconData{kIconId, kFlags, kCallbackMessage, "Quillares"}); }

void Tray::RemoveTrayIcon() {
    shown_ = false;
    ui_.RestoreWindowProc();
    ui_.DeleteTrayIcon(kIconId);
}

void Tray::OnTaskbarCreated() {
    if (shown_) AddIcon();
}

bool Tray::OnTrayCallback(std::intptr_t mouseMessage) {
    if (window_.form.Visible()) return false;
    switch (mouseMessage) {
        case kLeftDoubleClick:
            queue_.QueueItem(WorkItem::Kind::Form1);
            return true;
        case kRightButtonDown:
            queue_.QueueItem(WorkItem::Kind::Menu1);
            return true;
        case kLeftButtonDown:
            // Later than a right click, so that a double-click can still win over the menu.
            queue_.QueueItem(WorkItem::Kind::Menu2);
            return true;
        default:
            return false;
    }
}

}  // namespace quill
