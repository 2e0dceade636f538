#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/ui/Dialog.h"

namespace quill::win32 {

// The real windows of the program's dialogs, made from their models.
class DialogWindows {
public:
    // owner: the options window, which owns every dialog and is disabled under a modal one.
    DialogWindows(HINSTANCE instance, HWND& owner) : instance_(instance), owner_(owner) {}
    ~DialogWindows();

    // The program's barrier, through which every event of a dialog enters it.
    using Guard = std::function<void(const std::function<void()>&)>;
    void SetGuard(Guard guard) { guard_ = std::move(guard); }

    void ShowModal(ui::Dialog& dialog);
    void ShowModeless(ui::Dialog& dialog);
    void DoEvents();
    // Tab, Enter and Escape inside a dialog; true when the message was taken.
    bool PreTranslate(MSG& msg);
    // The dialog's real window; nullptr when it has none.
    HWND WindowOf(const ui::Dialog& dialog) const;

private:
    struct Live {
        ui::Dialog* model = nullptr;
        DialogWindows* windows = nullptr;
        HWND hwnd = nullptr;
        std::vector<HWND> children;  // parallel to model->controls; nullptr for timers
        std::vector<HBITMAP> bitmaps;
    };
    Live* Open(ui::Dialog& dialog);
    void Close(Live* live);
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Whether the event was the dialog's; the event itself runs inside the guard.
    bool Event(const std::function<bool()>& event);

    HINSTANCE instance_;
    HWND& owner_;
    Guard guard_;
    std::vector<std::unique_ptr<Live>> live_;
};

}  // namespace quill::win32
