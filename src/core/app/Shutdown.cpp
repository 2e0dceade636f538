#include <string>

#include "core/app/Quillares.h"

namespace quill {

void Quillares::CloseOptionsWindow() {
    if (ended_) return;
    if (Nested()) {
        if (!endPending_) log.WriteLog("Quillares: ending once the running transfer and windows have stopped");
        endPending_ = true;
        if (server.Busy()) server.CancelOperationFlag = true;
        loops.EndAll();
        return;
    }
    EndNow();
}

void Quillares::EndNow() {
    ended_ = true;
    help.ReleaseFirstRunWindow();
    // The capture device stays open otherwise; the contact keeps the recording it had.
    recorder.RecordCancel();
    window.tickTimer.SetEnabled(false);
    window.pingTimer.SetEnabled(false);
    window.ReleasePictureButtons();
    tray.RemoveTrayIcon();
    {
        SettingsBatch batch(settings);
        settings.WriteIni("window", "top", std::to_string(window.form.Top()));
        settings.WriteIni("window", "left", std::to_string(window.form.Left()));
    }
    log.WriteLog("Quillares: END");
    ports.ui.DestroyMainWindow();
}

}  // namespace quill
