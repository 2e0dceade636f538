#pragma once
#include <windows.h>

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
        HWND hwnd = nullptr;
        std::vector<HWND> children;  // parallel to model->controls; nullptr for timers
        std::vector<HBITMAP> bitmaps;
    };
    Live* Open(ui::Dialog& dialog);
    void Close(Live* live);
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND& owner_;
    std::vector<std::unique_ptr<Live>> live_;
};

}  // namespace quill::win32
