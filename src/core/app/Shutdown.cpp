#include <string>

#include "core/app/Quillares.h"
#include "core/base/Trapped.h"

namespace quill {

void Quillares::CloseOptionsWindow() {
    if (ended_) return;
    if (Nested()) {
        if (!endPending_) log.WriteLog("Quillares: ending once the running transfer and windows have stopped");
        endPending_ = true;
        if (server_ && server_->Busy()) server_->CancelOperationFlag = true;
        loops.EndAll();
        return;
    }
    EndNow();
}

void Quillares::EndNow() {
    ended_ = true;
    Trapped([&] { help.ReleaseFirstRunWindow(); });
    // The capture device stays open otherwise; the contact keeps the recording it had.
    Trapped([&] { recorder.RecordCancel(); });
    Trapped([&] {
        window.tickTimer.SetEnabled(false);
        window.pingTimer.SetEnabled(false);
    });
    Trapped([&] {
        window.ReleasePictureButtons();
        server_.reset();
    });
    Trapped([&] { tray.RemoveTrayIcon(); });
    Trapped([&] {
        SettingsBatch batch(settings);
        settings.WriteIni("window", "top", std::to_string(window.form.Top()));
        settings.WriteIni("window", "left", std::to_string(window.form.Left()));
    });
    Trapped([&] { log.WriteLog("Quillares: END"); });
    ports.ui.DestroyMainWindow();
}

}  // namespace quill
